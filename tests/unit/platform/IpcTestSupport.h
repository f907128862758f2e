// Points RuntimeDir() at a temporary folder for the life of a test.
#pragma once

#include <cstdlib>
#include <string>

#include "support/TempDir.h"

class ScopedRuntimeDir {
 public:
  ScopedRuntimeDir() {
    if (const char* old = std::getenv("XDG_RUNTIME_DIR")) old_ = old, had_ = true;
    setenv("XDG_RUNTIME_DIR", dir_.path().c_str(), 1);
  }
  ~ScopedRuntimeDir() {
    had_ ? setenv("XDG_RUNTIME_DIR", old_.c_str(), 1) : unsetenv("XDG_RUNTIME_DIR");
  }
  const std::string& path() const { return dir_.path(); }

 private:
  testing_support::TempDir dir_;
  std::string old_;
  bool had_ = false;
};
