// The clipboard's text. In a desktop window it is the desktop's own clipboard; without one
// (headless runs, tests) the platform keeps one per process. Clipboard text is outside input:
// whatever is stored or read is cut to kMaxClipboardUnits (on a boundary). UI thread only.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform::input {

inline constexpr size_t kMaxClipboardUnits = 65536;

void SetClipboardText(std::u16string_view text);
// The text on the clipboard; nullopt when it holds none.
std::optional<std::u16string> GetClipboardText();
bool HasClipboardText();

}  // namespace platform::input
