// Fuzzes the settings text parser: arbitrary bytes as an archive's settings.ini (decoded by
// byte-order mark, else as UTF-8 when valid, else as Windows-1252) applied to a settings object
// under both orientation prefixes, and the same bytes forced through each 8-bit decoding.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/Paths.h"
#include "platform/Text.h"
#include "theme/SettingManager.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static bool initialised = [] {
    platform::SetProgramDir("/nonexistent-quillbook-fuzz");
    return true;
  }();
  (void)initialised;
  static theme::SettingManager settings;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  settings.ResetToDefaults();
  settings.ParseSettingsText(nullptr, platform::DecodeText(bytes),
                             size % 2 ? u"portrait_" : u"landscape_");
  settings.ParseSettingsText(nullptr, platform::FromWindows1252(bytes), u"portrait_");
  settings.ParseSettingsText(nullptr, platform::FromUtf8(bytes), u"portrait_");
  return 0;
}
