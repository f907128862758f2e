// A temporary folder for one test, removed with everything in it when the object dies.
#pragma once

#include <string>

namespace testing_support {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& path() const { return path_; }
  // path() + "/" + name
  std::string File(const std::string& name) const;
  // Writes bytes to path()/name, creating sub-folders; returns the full path.
  std::string Write(const std::string& name, const std::string& bytes) const;

 private:
  std::string path_;
};

// Reads a whole file into a string (empty when missing).
std::string ReadAll(const std::string& path);

}  // namespace testing_support
