# Helpers that turn the folder layout into targets. Sources are globbed per folder so that
# adding a file never needs an edit here.

set(QB_TEST_ENV
    "FONTCONFIG_FILE=${CMAKE_SOURCE_DIR}/tests/fonts/fonts.conf"
    "SDL_VIDEODRIVER=offscreen"
    "QB_SOURCE_DIR=${CMAKE_SOURCE_DIR}"
    "QB_BINARY_DIR=${CMAKE_BINARY_DIR}"
    "ASAN_OPTIONS=detect_leaks=1"
    "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1"
    "TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1:suppressions=${CMAKE_SOURCE_DIR}/tests/tsan.supp")

function(qb_module name)
  cmake_parse_arguments(M "" "" "DEPS" ${ARGN})
  file(GLOB_RECURSE srcs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${name}/*.cpp)
  if(srcs)
    add_library(qb_${name} STATIC ${srcs})
    target_include_directories(qb_${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(qb_${name} PUBLIC ${M_DEPS})
  else()
    add_library(qb_${name} INTERFACE)
    target_include_directories(qb_${name} INTERFACE ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(qb_${name} INTERFACE ${M_DEPS})
  endif()
endfunction()

# Shared helpers of the tests (temporary folders, golden images, scripted input).
function(qb_testsupport)
  if(QB_FUZZ)
    return()
  endif()
  find_package(GTest REQUIRED)
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/support/*.cpp)
  add_library(qb_testsupport STATIC ${srcs})
  target_include_directories(qb_testsupport PUBLIC ${CMAKE_SOURCE_DIR}/tests ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(qb_testsupport PUBLIC qb_system GTest::gtest)
  target_compile_definitions(qb_testsupport PUBLIC QB_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
endfunction()

# Tests named ModemThreadTest need the ModemManager mock on a private bus: run once more
# under tests/mock/with_modem_mock.sh (they skip themselves elsewhere).
function(qb_modem_tests executable sources)
  if("${sources}" MATCHES "ModemThreadTest\\.cpp")
    add_test(NAME ${executable}_modem COMMAND bash ${CMAKE_SOURCE_DIR}/tests/mock/with_modem_mock.sh
             $<TARGET_FILE:${executable}> --gtest_filter=ModemThreadTest.*)
    set_tests_properties(${executable}_modem PROPERTIES ENVIRONMENT "${QB_TEST_ENV}" LABELS thread)
  endif()
endfunction()

# One GoogleTest executable per module. Files named *ThreadTest.cpp also form a
# <module>_thread_tests executable, the only tests built under ThreadSanitizer.
function(qb_unit_tests)
  if(QB_FUZZ)
    return()
  endif()
  foreach(name IN LISTS ARGN)
    file(GLOB_RECURSE tsrcs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/unit/${name}/*.cpp)
    if(NOT tsrcs)
      continue()
    endif()
    set(thread_srcs ${tsrcs})
    list(FILTER thread_srcs INCLUDE REGEX "ThreadTest\\.cpp$")
    if(QB_TSAN_ONLY)
      if(thread_srcs)
        add_executable(${name}_thread_tests ${thread_srcs})
        target_link_libraries(${name}_thread_tests qb_testsupport GTest::gtest_main)
        add_test(NAME ${name}_threads COMMAND ${name}_thread_tests)
        set_tests_properties(${name}_threads PROPERTIES ENVIRONMENT "${QB_TEST_ENV}" LABELS thread)
        qb_modem_tests(${name}_thread_tests "${thread_srcs}")
      endif()
    else()
      add_executable(${name}_tests ${tsrcs})
      target_link_libraries(${name}_tests qb_testsupport GTest::gtest_main)
      add_test(NAME ${name} COMMAND ${name}_tests)
      set_tests_properties(${name} PROPERTIES ENVIRONMENT "${QB_TEST_ENV}" LABELS unit)
      qb_modem_tests(${name}_tests "${tsrcs}")
    endif()
  endforeach()
endfunction()

function(qb_program name dir)
  file(GLOB_RECURSE srcs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp)
  if(NOT srcs)
    return()
  endif()
  add_executable(${name} ${srcs})
  target_link_libraries(${name} PRIVATE qb_system)
endfunction()

# End-to-end scripts: tests/e2e/*.sh, each run with the built programs on the path.
function(qb_e2e_tests)
  file(GLOB scripts CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*.sh)
  foreach(script IN LISTS scripts)
    get_filename_component(stem ${script} NAME_WE)
    if(stem STREQUAL "lib")
      continue()
    endif()
    add_test(NAME e2e_${stem} COMMAND bash ${script})
    set_tests_properties(e2e_${stem} PROPERTIES
      ENVIRONMENT "${QB_TEST_ENV};QB_BIN=${CMAKE_BINARY_DIR}" LABELS e2e TIMEOUT 300)
  endforeach()
endfunction()

function(qb_benchmarks)
  find_package(benchmark QUIET)
  if(NOT benchmark_FOUND)
    return()
  endif()
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/*.cpp)
  set(all)
  foreach(src IN LISTS srcs)
    get_filename_component(stem ${src} NAME_WE)
    add_executable(bench_${stem} ${src})
    target_link_libraries(bench_${stem} qb_system qb_testsupport benchmark::benchmark)
    list(APPEND all bench_${stem})
  endforeach()
  if(all)
    add_custom_target(benchmarks DEPENDS ${all})
  endif()
endfunction()

# Shipped themes: every folder of themes/ is packed into <Name>.qbt by qbtheme.
function(qb_themes)
  if(NOT TARGET qbtheme)
    return()
  endif()
  file(GLOB dirs LIST_DIRECTORIES true CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/themes/*)
  set(outs)
  foreach(dir IN LISTS dirs)
    if(NOT IS_DIRECTORY ${dir})
      continue()
    endif()
    get_filename_component(theme ${dir} NAME)
    file(GLOB_RECURSE inputs CONFIGURE_DEPENDS ${dir}/*)
    set(out ${CMAKE_BINARY_DIR}/themes/${theme}.qbt)
    add_custom_command(OUTPUT ${out}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/themes
      COMMAND qbtheme pack ${dir} ${out}
      DEPENDS qbtheme ${inputs}
      COMMENT "Packing theme ${theme}")
    list(APPEND outs ${out})
  endforeach()
  if(outs)
    add_custom_target(themes ALL DEPENDS ${outs})
  endif()
endfunction()

# libFuzzer harnesses: tests/fuzz/<name>.cpp becomes fuzz_<name> in the fuzz build.
function(qb_fuzzers)
  if(NOT QB_FUZZ)
    return()
  endif()
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/fuzz/*.cpp)
  set(all)
  foreach(src IN LISTS srcs)
    get_filename_component(stem ${src} NAME_WE)
    add_executable(fuzz_${stem} ${src})
    target_link_libraries(fuzz_${stem} qb_system)
    target_link_options(fuzz_${stem} PRIVATE -fsanitize=fuzzer)
    list(APPEND all fuzz_${stem})
  endforeach()
  if(all)
    add_custom_target(fuzzers DEPENDS ${all})
  endif()
endfunction()

# The seeded monkey: random input over the whole program, replayable from its seed. The
# ASan/UBSan build runs 5 x 10,000 events, the ThreadSanitizer build 2 x 5,000.
function(qb_monkey)
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/monkey/*.cpp)
  if(NOT srcs)
    return()
  endif()
  add_executable(qbmonkey ${srcs})
  target_link_libraries(qbmonkey PRIVATE qb_system)
  target_include_directories(qbmonkey PRIVATE ${CMAKE_SOURCE_DIR}/src)
  if(TARGET themes)
    add_dependencies(qbmonkey themes)
  endif()
  if(QB_TSAN_ONLY)
    set(seeds 1 2)
    set(events 5000)
  else()
    set(seeds 1 2 3 4 5)
    set(events 10000)
  endif()
  foreach(seed IN LISTS seeds)
    # The first seed must also have had every screen and platform window on view (in the full
    # run; the shorter ThreadSanitizer run only looks for races).
    set(expect)
    if(seed EQUAL 1 AND NOT QB_TSAN_ONLY)
      set(expect --expect
          detail,sms,filter_menu,phone_pad,call_edit,symbol_pad,popup_menu,message_box,keyboard,symbol:CloseAction)
    endif()
    add_test(NAME monkey_${seed}
             COMMAND qbmonkey --seed ${seed} --events ${events} --themes ${CMAKE_BINARY_DIR}/themes
                     ${expect})
    set_tests_properties(monkey_${seed} PROPERTIES ENVIRONMENT "${QB_TEST_ENV}" LABELS monkey
                         TIMEOUT 900)
  endforeach()
endfunction()
