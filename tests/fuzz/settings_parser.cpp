// Fuzzes the settings text parser: the first byte chooses how the rest is decoded (as an
// archive's settings.ini is: byte-order mark, else UTF-8 when valid, else Windows-1252; or
// forced through one 8-bit decoding) and the orientation prefix; the text is then applied to
// a settings object reset to its defaults.
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
  if (size == 0) return 0;
  const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
  const std::u16string text = data[0] % 3 == 0   ? platform::DecodeText(bytes)
                              : data[0] % 3 == 1 ? platform::FromWindows1252(bytes)
                                                 : platform::FromUtf8(bytes);
  settings.ResetToDefaults();
  settings.ParseSettingsText(nullptr, text, data[0] & 0x80 ? u"landscape_" : u"portrait_");
  return 0;
}
