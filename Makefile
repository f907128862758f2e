# Every target does its own set-up: bootstrap (Debian packages), configure, build.
# make run    build a release and run Quillbook on the demo device (headless tour without a display)
# make test   build with ASan/UBSan, run all tests, fuzz runs on the CI budget, thread tests under TSan
# make fuzz-long  every fuzz harness for FUZZ_LONG_SECONDS each, the corpus growing in out/fuzz-corpus
# make bench  build a release and run the benchmarks
# make install [PREFIX=/usr/local] [DESTDIR=]  build a release and install it (docs/install.md)
# make uninstall [PREFIX=...] [DESTDIR=]       remove what `make install` installed there

SHELL := /bin/bash
JOBS ?= $(shell nproc)
FUZZ_LONG_SECONDS ?= 3600
DEMO_HOME ?= $(CURDIR)/out/demo/home
DEMO_DEVICE ?= $(CURDIR)/out/demo/device
PREFIX ?= /usr/local
DESTDIR ?=
INSTALL_BUILD ?= build/release

.PHONY: all bootstrap build run test test-dev test-fuzz test-tsan fuzz-long bench format clean \
        install install-files uninstall

all: build

bootstrap:
	@scripts/bootstrap

build: bootstrap
	cmake --preset release >/dev/null
	cmake --build --preset release -j $(JOBS)

run: build
	@scripts/run-demo "$(CURDIR)/build/release" "$(DEMO_HOME)" "$(DEMO_DEVICE)"

test: bootstrap test-dev test-fuzz test-tsan
	@echo "All test stages passed."

test-dev:
	cmake --preset dev >/dev/null
	cmake --build --preset dev -j $(JOBS)
	ctest --preset dev

test-fuzz:
	cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz -j $(JOBS)
	scripts/run-fuzz build/fuzz

fuzz-long: bootstrap
	cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz -j $(JOBS)
	scripts/run-fuzz --long build/fuzz $(FUZZ_LONG_SECONDS)

test-tsan:
	cmake --preset tsan >/dev/null
	cmake --build --preset tsan -j $(JOBS)
	ctest --preset tsan --no-tests=ignore

bench: build
	cmake --build --preset release --target benchmarks -j $(JOBS)
	@for b in build/release/bench_*; do echo "== $$b"; $$b --benchmark_repetitions=5 --benchmark_report_aggregates_only=true || exit 1; done

# The installation is made for PREFIX (the desktop entry and the unit name the programs by
# their full paths); DESTDIR only stages it. A copy of the manifest per place says what to remove.
install: build install-files

install-files:
	DESTDIR="$(DESTDIR)" cmake --install $(INSTALL_BUILD) --prefix "$(PREFIX)"
	cp $(INSTALL_BUILD)/install_manifest.txt "$(INSTALL_BUILD)/install_manifest-$$(echo '$(DESTDIR)$(PREFIX)' | md5sum | cut -c1-12).txt"

uninstall:
	@manifest="$(INSTALL_BUILD)/install_manifest-$$(echo '$(DESTDIR)$(PREFIX)' | md5sum | cut -c1-12).txt"; \
	if [ ! -f "$$manifest" ]; then echo "nothing installed in $(DESTDIR)$(PREFIX) from this tree"; exit 1; fi; \
	while read -r f || [ -n "$$f" ]; do rm -f "$(DESTDIR)$$f"; done <"$$manifest"; \
	for d in share/quillbook/themes share/quillbook lib/quillbook share/doc/quillbook; do \
	  rmdir "$(DESTDIR)$(PREFIX)/$$d" 2>/dev/null || true; done; \
	if [ -z "$(DESTDIR)" ] && command -v update-desktop-database >/dev/null && \
	   [ -d "$(PREFIX)/share/applications" ]; then update-desktop-database -q "$(PREFIX)/share/applications"; fi; \
	rm -f "$$manifest"; echo "removed what was installed in $(DESTDIR)$(PREFIX)"

format:
	find src tools tests bench companion -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf build out
