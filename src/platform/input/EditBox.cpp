#include "platform/input/EditBox.h"

#include <memory>

#include "platform/input/EditBoxWindow.h"
#include "platform/input/EditMenu.h"
#include "platform/ui/WindowApi.h"

namespace platform::input {

namespace {

EditBoxWindow* BoxOf(ui::HWND hwnd) {
  return ui::IsWindow(hwnd) ? dynamic_cast<EditBoxWindow*>(hwnd->ClassData()) : nullptr;
}

LRESULT EditProc(ui::HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, Capitalise capitalise) {
  if (message == WM_CREATE) {
    hwnd->SetClassData(std::make_unique<EditBoxWindow>(hwnd, capitalise));
    return 0;
  }
  EditBoxWindow* box = BoxOf(hwnd);
  return box ? box->Handle(message, wparam, lparam)
             : ui::DefWindowProc(hwnd, message, wparam, lparam);
}

}  // namespace

bool SHInitExtraControls() {
  ui::RegisterClass(kCapEditClass, [](ui::HWND h, UINT m, WPARAM w, LPARAM l) {
    return EditProc(h, m, w, l, Capitalise::kSentences);
  });
  ui::RegisterClass(kEditClass, [](ui::HWND h, UINT m, WPARAM w, LPARAM l) {
    return EditProc(h, m, w, l, Capitalise::kNo);
  });
  return ui::IsClassRegistered(kCapEditClass) && ui::IsClassRegistered(kEditClass);
}

std::optional<EditBoxState> GetEditBoxState(ui::HWND hwnd) {
  EditBoxWindow* box = BoxOf(hwnd);
  if (!box) return std::nullopt;
  const EditText& model = box->Model();
  EditBoxState state;
  state.text = model.Text();
  state.caret = model.Caret();
  state.anchor = model.Anchor();
  state.limit = model.Limit();
  state.modified = model.Modified();
  state.focused = box->Focused();
  state.first_visible_line = box->FirstVisibleLine();
  state.line_count = box->LineCount();
  state.composition = box->Composition();
  state.menu_open = box->MenuOpen();
  return state;
}

}  // namespace platform::input
