// Typed readers and writers over the device profile's registry.
#include <cstring>

#include "platform/registry/Registry.h"

namespace platform {

std::optional<uint32_t> ReadRegistryDword(RegistryRoot root, std::u16string_view key,
                                          std::u16string_view name) {
  auto value = Registry::ForDevice().GetValue(root, key, name);
  if (!value || value->type != REG_DWORD || value->data.size() != sizeof(uint32_t)) {
    return std::nullopt;
  }
  uint32_t number = 0;
  std::memcpy(&number, value->data.data(), sizeof number);  // stored little-endian
  return number;
}

std::optional<std::u16string> ReadRegistryString(RegistryRoot root, std::u16string_view key,
                                                 std::u16string_view name, size_t max_chars) {
  auto value = Registry::ForDevice().GetValue(root, key, name);
  if (!value || (value->type != REG_SZ && value->type != REG_EXPAND_SZ)) return std::nullopt;
  const std::string& bytes = value->data;
  if (bytes.size() % 2 != 0 || bytes.size() / 2 > max_chars) return std::nullopt;
  std::u16string text(bytes.size() / 2, u'\0');
  std::memcpy(text.data(), bytes.data(), bytes.size());
  if (auto nul = text.find(u'\0'); nul != text.npos) text.resize(nul);
  return text;
}

bool WriteRegistryDword(RegistryRoot root, std::u16string_view key, std::u16string_view name,
                        uint32_t value) {
  return Registry::ForDevice().SetValue(root, key, name, REG_DWORD, &value, sizeof value) ==
         ERROR_SUCCESS;
}

bool WriteRegistryString(RegistryRoot root, std::u16string_view key, std::u16string_view name,
                         std::u16string_view text) {
  std::u16string terminated(text);
  terminated.push_back(u'\0');
  if (terminated.size() > kMaxRegistryValueBytes / 2) return false;
  return Registry::ForDevice().SetValue(root, key, name, REG_SZ, terminated.data(),
                                        static_cast<uint32_t>(terminated.size() * 2)) ==
         ERROR_SUCCESS;
}

}  // namespace platform
