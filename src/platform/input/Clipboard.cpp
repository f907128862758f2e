#include "platform/input/Clipboard.h"

#include "platform/input/EditText.h"
#include "platform/ui/WindowManager.h"

namespace platform::input {

namespace {

// The clipboard of a process without a desktop.
std::optional<std::u16string>& ProcessClipboard() {
  static auto* text = new std::optional<std::u16string>;  // kept for the whole process
  return *text;
}

std::u16string Bounded(std::u16string_view text) {
  return std::u16string(text.substr(0, FittingPrefix(text, kMaxClipboardUnits)));
}

}  // namespace

void SetClipboardText(std::u16string_view text) {
  const std::u16string bounded = Bounded(text);
  ui::WindowManager* manager = ui::WindowManager::Current();
  if (manager && manager->SetDesktopClipboard(bounded)) return;
  ProcessClipboard() = bounded;
}

std::optional<std::u16string> GetClipboardText() {
  if (ui::WindowManager* manager = ui::WindowManager::Current()) {
    if (auto desktop = manager->DesktopClipboard()) return Bounded(*desktop);
  }
  return ProcessClipboard();
}

bool HasClipboardText() {
  auto text = GetClipboardText();
  return text && !text->empty();
}

}  // namespace platform::input
