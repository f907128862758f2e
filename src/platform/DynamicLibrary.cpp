#include "platform/DynamicLibrary.h"

#include <dlfcn.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/HostServices.h"
#include "platform/Paths.h"
#include "platform/Text.h"

namespace platform {

namespace {

constexpr size_t kMaxLibraryName = 64;

}  // namespace

std::string DynamicLibrary::ResolvePath(std::u16string_view name) {
  std::string text = ToUtf8(name);
  if (text.find('/') != std::string::npos) return text;
  if (text.size() > 4) {
    std::string suffix = text.substr(text.size() - 4);
    for (char& c : suffix) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    if (suffix == ".dll") text.resize(text.size() - 4);
  }
  if (!IsPlainName(text, kMaxLibraryName)) return {};
  const std::string file = "/lib" + text + ".so";
  const char* folder = std::getenv("QUILLBOOK_LIBDIR");
  if (folder && *folder) return folder + file;
  // Beside the program (a build folder), else where an installation puts its libraries.
  const std::string beside = ExecutableDir() + file;
  const std::string installed = ExecutableDir() + "/../lib/quillbook" + file;
  return ::access(beside.c_str(), F_OK) != 0 && ::access(installed.c_str(), F_OK) == 0 ? installed
                                                                                       : beside;
}

std::unique_ptr<DynamicLibrary> DynamicLibrary::Load(std::u16string_view name) {
  const std::string path = ResolvePath(name);
  if (path.empty()) return nullptr;
  void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) return nullptr;
  std::unique_ptr<DynamicLibrary> library(new DynamicLibrary(handle));
  if (void* attach = library->Symbol(kQbAttachHostSymbol)) {
    reinterpret_cast<QbAttachHostFunction>(attach)(&HostServices());
  }
  return library;
}

DynamicLibrary::~DynamicLibrary() {
  ::dlclose(handle_);
}

void* DynamicLibrary::Symbol(const char* name) const {
  return ::dlsym(handle_, name);
}

}  // namespace platform
