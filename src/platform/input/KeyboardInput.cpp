#include "platform/input/KeyboardInput.h"

#include "platform/Text.h"
#include "platform/ui/Script.h"
#include "platform/ui/WindowManager.h"

namespace platform::input {

void keybd_event(uint8_t virtual_key, uint8_t, uint32_t flags, uintptr_t) {
  ui::WindowManager* manager = ui::WindowManager::Current();
  if (!manager) return;
  if (flags & KEYEVENTF_KEYUP) {
    manager->OnKeyUp(virtual_key);
    return;
  }
  manager->OnKey(virtual_key);
  if (virtual_key == VK_TAB && !manager->IsKeyDownNow(VK_CONTROL)) {
    manager->OnChar(u'\t');
    return;
  }
  char16_t typed = ui::DesktopKeyCharacter(virtual_key);
  if (typed == 0 || manager->IsKeyDownNow(VK_CONTROL)) return;
  if (manager->IsKeyDownNow(VK_SHIFT)) typed = ToUpperUnit(typed);
  manager->OnChar(typed);
}

bool PostKeybdMessage(ui::HWND hwnd, uint32_t virtual_key, uint32_t key_state_flags, uint32_t count,
                      const uint32_t*, const uint32_t* characters) {
  ui::WindowManager* manager = ui::WindowManager::Current();
  if (!manager) return false;
  ui::HWND target = hwnd ? hwnd : manager->GetFocus();
  if (!target) target = manager->GetForegroundWindow();
  if (!manager->IsWindow(target)) return false;
  if (count == 0 || characters == nullptr) {
    if (virtual_key == 0) return true;
    const UINT message = (key_state_flags & KeyStateDownFlag) ? WM_KEYDOWN : WM_KEYUP;
    manager->PostMessage(target, message, virtual_key, 1);
    return true;
  }
  const uint32_t delivered = count < kMaxKeybdCharacters ? count : kMaxKeybdCharacters;
  for (uint32_t i = 0; i < delivered; ++i) {
    const char16_t unit = static_cast<char16_t>(characters[i] & 0xFFFF);
    if (unit != 0) manager->PostMessage(target, WM_CHAR, unit, 1);
  }
  return true;
}

}  // namespace platform::input
