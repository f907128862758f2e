// Loading a library by its old platform name, the way the program loads its companions: a
// name such as "smsweir.dll" means the shared object "libsmsweir.so" in the folder named by
// $QUILLBOOK_LIBDIR, else in the folder of the running executable (the old platform also
// looked beside the program first). A name containing '/' is a path and is used as it is.
//
// A library that exports QbAttachHost receives the host services table right after loading.
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace platform {

class DynamicLibrary {
 public:
  // Null when the name is malformed or the library cannot be loaded.
  static std::unique_ptr<DynamicLibrary> Load(std::u16string_view name);
  // The file a name resolves to; empty when the name is malformed.
  static std::string ResolvePath(std::u16string_view name);

  ~DynamicLibrary();
  DynamicLibrary(const DynamicLibrary&) = delete;
  DynamicLibrary& operator=(const DynamicLibrary&) = delete;

  // The exported symbol's address, or null.
  void* Symbol(const char* name) const;

 private:
  explicit DynamicLibrary(void* handle) : handle_(handle) {}
  void* handle_;
};

}  // namespace platform
