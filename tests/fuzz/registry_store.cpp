// Feeds the registry hostile input. The first byte chooses:
//   even: the rest is a store file left on the device; opening it must recover or fail
//         cleanly, and the registry must then work or refuse writes;
//   odd:  the rest is UTF-16 key path, value name and data separated by U+FFFF; a value that
//         was accepted must read back byte for byte through the lower-cased path and name.
#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/Text.h"
#include "platform/registry/Registry.h"

namespace {

const std::string& Folder() {
  static const std::string folder = [] {
    char tmpl[] = "/tmp/qbfuzz-registry-XXXXXX";
    const char* made = mkdtemp(tmpl);
    if (!made) abort();
    return std::string(made);
  }();
  return folder;
}

void OpenDamagedFile(const uint8_t* data, size_t size) {
  std::filesystem::remove_all(Folder());
  std::filesystem::create_directories(Folder());
  const std::string path = Folder() + "/registry.db";
  {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  platform::Registry reg(path);
  std::vector<platform::RegistryValue> values;
  reg.EnumValues(platform::HKEY_CURRENT_USER, u"", values);
  reg.GetValue(platform::HKEY_CURRENT_USER, u"Software\\Quillbook\\Contact", u"Theme");
  uint32_t v = 1;
  auto result = reg.SetValue(platform::HKEY_CURRENT_USER, u"K", u"V", platform::REG_DWORD, &v, 4);
  if (reg.usable() && result != platform::ERROR_SUCCESS) abort();
  if (result == platform::ERROR_SUCCESS &&
      reg.GetValue(platform::HKEY_CURRENT_USER, u"k", u"v")->data != std::string("\1\0\0\0", 4)) {
    abort();
  }
}

void RoundTrip(const uint8_t* data, size_t size) {
  static platform::Registry reg(Folder() + "/roundtrip.db");
  std::u16string units(size / 2, u'\0');
  std::memcpy(units.data(), data, units.size() * 2);
  size_t first = units.find(u'\xFFFF');
  size_t second = first == units.npos ? units.npos : units.find(u'\xFFFF', first + 1);
  if (second == units.npos) return;
  std::u16string key = units.substr(0, first);
  std::u16string name = units.substr(first + 1, second - first - 1);
  std::string bytes = platform::ToUtf8(units.substr(second + 1));
  auto result = reg.SetValue(platform::HKEY_LOCAL_MACHINE, key, name, platform::REG_BINARY,
                             bytes.data(), static_cast<uint32_t>(bytes.size()));
  if (result != platform::ERROR_SUCCESS) return;
  auto value =
      reg.GetValue(platform::HKEY_LOCAL_MACHINE, platform::ToLower(key), platform::ToLower(name));
  if (!value || value->data != bytes || value->type != platform::REG_BINARY) abort();
  if (reg.DeleteKey(platform::HKEY_LOCAL_MACHINE, key) == platform::ERROR_SUCCESS &&
      reg.GetValue(platform::HKEY_LOCAL_MACHINE, key, name)) {
    abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0 || size > 256 * 1024) return 0;
  if (data[0] % 2 == 0) {
    OpenDamagedFile(data + 1, size - 1);
  } else {
    RoundTrip(data + 1, size - 1);
  }
  return 0;
}
