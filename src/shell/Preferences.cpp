#include "shell/Preferences.h"

#include <cstring>
#include <string_view>

#include "platform/registry/Registry.h"

namespace shell {

namespace {

using platform::Registry;

constexpr std::u16string_view kKey = u"Software\\Quillbook\\Contact";
constexpr std::u16string_view kThemeValue = u"Theme";
constexpr std::u16string_view kFullscreenValue = u"Fullscreen";
constexpr std::u16string_view kCurrentSipValue = u"CurrentSIP";
constexpr char16_t kDefaultTheme[] = u"Touch.qbt";
// Strings are read into a buffer of this many characters, terminator included.
constexpr uint32_t kStringBufferChars = 255;

// A stored string: REG_SZ or REG_EXPAND_SZ, non-empty, fitting the buffer, an even number
// of bytes whose last character is the terminator. The text before the terminator.
std::optional<std::u16string> ReadTerminatedString(std::u16string_view name) {
  char16_t buffer[kStringBufferChars] = {};
  uint32_t type = 0;
  uint32_t size = sizeof buffer;
  if (Registry::ForDevice().QueryValue(platform::HKEY_CURRENT_USER, kKey, name, &type, buffer,
                                       &size) != platform::ERROR_SUCCESS) {
    return std::nullopt;
  }
  if (type != platform::REG_SZ && type != platform::REG_EXPAND_SZ) return std::nullopt;
  if (size == 0 || size % 2 != 0) return std::nullopt;
  const size_t chars = size / 2;
  if (buffer[chars - 1] != u'\0') return std::nullopt;
  // The text ends at its first terminator, as a reader of the buffer would see it.
  return std::u16string(buffer);
}

void WriteString(std::u16string_view name, const std::u16string& text) {
  std::u16string terminated = text + u'\0';
  if (terminated.size() > platform::kMaxRegistryValueBytes / 2) return;
  Registry::ForDevice().SetValue(platform::HKEY_CURRENT_USER, kKey, name, platform::REG_SZ,
                                 terminated.data(),
                                 static_cast<uint32_t>(terminated.size() * sizeof(char16_t)));
}

}  // namespace

std::u16string ReadThemeName() {
  auto name = ReadTerminatedString(kThemeValue);
  if (!name || name->empty()) return kDefaultTheme;
  return *name;
}

void WriteThemeName(const std::u16string& name) {
  WriteString(kThemeValue, name);
}

bool ReadFullscreen() {
  uint32_t type = 0;
  uint32_t value = 0;
  uint32_t size = sizeof value;
  if (Registry::ForDevice().QueryValue(platform::HKEY_CURRENT_USER, kKey, kFullscreenValue, &type,
                                       &value, &size) != platform::ERROR_SUCCESS) {
    return true;
  }
  if (type != platform::REG_DWORD || size != sizeof value) return true;
  return value == 1;
}

void WriteFullscreen(bool on) {
  const uint32_t value = on ? 1 : 0;
  Registry::ForDevice().SetValue(platform::HKEY_CURRENT_USER, kKey, kFullscreenValue,
                                 platform::REG_DWORD, &value, sizeof value);
}

std::optional<std::u16string> ReadCurrentSip() {
  auto sip = ReadTerminatedString(kCurrentSipValue);
  if (!sip || sip->empty()) return std::nullopt;
  return sip;
}

void WriteCurrentSip(const std::u16string& sip) {
  WriteString(kCurrentSipValue, sip);
}

}  // namespace shell
