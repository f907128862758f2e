// Messages, keys, the pen and the clipboard of an edit box. Painting and layout are in
// EditBoxPaint.cpp.
#include "platform/input/EditBoxWindow.h"

#include <algorithm>
#include <cstdlib>

#include "platform/Clock.h"
#include "platform/input/Clipboard.h"
#include "platform/input/EditMenu.h"
#include "platform/ui/WindowApi.h"

namespace platform::input {

namespace {

constexpr uintptr_t kCaretTimer = 1;
constexpr uintptr_t kLongPressTimer = 2;
constexpr uint32_t kCaretBlinkMs = 500;
constexpr uint32_t kLongPressMs = 700;
constexpr uint32_t kDoubleTapMs = 400;
constexpr int kDoubleTapSlop = 8;
constexpr int kDragSlop = 6;
// -1 passed as a WPARAM or LPARAM position.
constexpr WPARAM kAllWParam = static_cast<WPARAM>(-1);

// A NUL-terminated text handed in a message, read no further than an edit box could hold.
std::u16string_view MessageText(LPARAM lparam) {
  const auto* text = reinterpret_cast<const char16_t*>(lparam);
  if (text == nullptr) return {};
  size_t length = 0;
  while (length <= kMaxEditLimit && text[length] != 0) ++length;
  return std::u16string_view(text, length);
}

bool Near(POINT a, POINT b, int slop) {
  return std::abs(a.x - b.x) <= slop && std::abs(a.y - b.y) <= slop;
}

}  // namespace

EditBoxWindow::EditBoxWindow(ui::HWND hwnd, Capitalise capitalise)
    : hwnd_(hwnd), text_(capitalise) {}

size_t EditBoxWindow::LineCount() {
  EnsureLayout();
  return layout_.LineCount();
}

bool EditBoxWindow::MenuOpen() const {
  return ui::IsWindow(menu_) && ui::IsWindowVisible(menu_);
}

LRESULT EditBoxWindow::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_SIZE:
      layout_stale_ = true;
      EnsureCaretVisible();
      ui::InvalidateRect(hwnd_, nullptr);
      return 0;
    case WM_SETTEXT:
      text_.SetText(MessageText(lparam));
      composition_.clear();
      first_line_ = 0;
      Changed(false);
      return 1;
    case WM_GETTEXT:
      return OnGetText(wparam, lparam);
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(text_.Text().size());
    case WM_SETFONT:
      font_ = wparam ? *reinterpret_cast<const Font*>(wparam) : Font();
      layout_stale_ = true;
      stops_cache_.clear();
      if (lparam) Changed(false);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(&font_);
    case EM_LIMITTEXT:
      text_.SetLimit(wparam);
      return 0;
    case EM_GETLIMITTEXT:
      return static_cast<LRESULT>(text_.Limit());
    case EM_GETMODIFY:
      return text_.Modified() ? 1 : 0;
    case EM_SETMODIFY:
      text_.SetModified(wparam != 0);
      return 0;
    case EM_SETSEL:
      OnSetSelection(wparam, lparam);
      return 0;
    case EM_GETSEL: {
      const auto start = static_cast<uint32_t>(text_.SelectionStart());
      const auto end = static_cast<uint32_t>(text_.SelectionEnd());
      if (wparam) *reinterpret_cast<uint32_t*>(wparam) = start;
      if (lparam) *reinterpret_cast<uint32_t*>(lparam) = end;
      return static_cast<LRESULT>((std::min(end, 0xFFFFu) << 16) | std::min(start, 0xFFFFu));
    }
    case EM_REPLACESEL:
      if (text_.Insert(MessageText(lparam))) Changed(true);
      return 0;
    case EM_SCROLLCARET:
      Changed(false);
      return 1;
    case EM_GETLINECOUNT:
      return static_cast<LRESULT>(LineCount());
    case EM_GETFIRSTVISIBLELINE:
      return static_cast<LRESULT>(first_line_);
    case WM_CUT:
      Cut();
      return 0;
    case WM_COPY:
      Copy();
      return 0;
    case WM_PASTE:
      Paste();
      return 0;
    case WM_CLEAR:
      if (text_.DeleteSelection()) Changed(true);
      return 0;
    case WM_CHAR:
    case WM_IME_CHAR:
      CloseMenu();
      preferred_x_.reset();
      if (text_.Type(static_cast<char16_t>(wparam & 0xFFFF))) Changed(true);
      return 0;
    case WM_KEYDOWN:
      OnKeyDown(static_cast<uint32_t>(wparam));
      return 0;
    case WM_IME_COMPOSITION:
    case WM_IME_ENDCOMPOSITION:
      OnComposition();
      return 0;
    case WM_SETFOCUS:
      focused_ = true;
      if (ui::WindowManager* manager = ui::WindowManager::Current()) {
        manager->SetTextFocus(hwnd_, true);
      }
      Changed(false);
      return 0;
    case WM_KILLFOCUS:
      if (ui::WindowManager* manager = ui::WindowManager::Current()) {
        manager->SetTextFocus(hwnd_, false);
      }
      focused_ = false;
      caret_on_ = false;
      composition_.clear();
      ui::KillTimer(hwnd_, kCaretTimer);
      CloseMenu();
      layout_stale_ = true;
      ui::InvalidateRect(hwnd_, nullptr);
      return 0;
    case WM_LBUTTONDOWN:
      OnPenDown(ui::GetXParam(lparam), ui::GetYParam(lparam));
      return 0;
    case WM_MOUSEMOVE:
      OnPenMove(ui::GetXParam(lparam), ui::GetYParam(lparam));
      return 0;
    case WM_LBUTTONUP:
      OnPenUp();
      return 0;
    case WM_TIMER:
      OnTimer(wparam);
      return 0;
    case WM_DESTROY:
      CloseMenu();
      return 0;
    default:
      return ui::DefWindowProc(hwnd_, message, wparam, lparam);
  }
}

LRESULT EditBoxWindow::OnGetText(WPARAM capacity, LPARAM buffer) const {
  auto* out = reinterpret_cast<char16_t*>(buffer);
  if (out == nullptr || capacity == 0) return 0;
  const std::u16string& text = text_.Text();
  const size_t count = std::min<size_t>(text.size(), capacity - 1);
  std::copy_n(text.data(), count, out);
  out[count] = 0;
  return static_cast<LRESULT>(count);
}

void EditBoxWindow::OnSetSelection(WPARAM anchor, LPARAM caret) {
  const size_t end = text_.Text().size();
  if (anchor == kAllWParam) {
    text_.MoveCaret(text_.Caret(), false);
  } else {
    const size_t to = caret < 0 ? end : static_cast<size_t>(caret);
    text_.Select(static_cast<size_t>(anchor), to);
  }
  preferred_x_.reset();
  Changed(false);
}

void EditBoxWindow::OnKeyDown(uint32_t virtual_key) {
  CloseMenu();
  const bool control = ui::IsKeyDown(VK_CONTROL);
  const bool shift = ui::IsKeyDown(VK_SHIFT);
  if (OnShortcut(virtual_key, control, shift)) return;
  switch (virtual_key) {
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_HOME:
    case VK_END:
    case VK_PRIOR:
    case VK_NEXT:
      MoveByKey(virtual_key, control, shift);
      Changed(false);
      return;
    case VK_DELETE:
      preferred_x_.reset();
      if (text_.DeleteForward()) Changed(true);
      return;
    default:
      return;
  }
}

bool EditBoxWindow::OnShortcut(uint32_t virtual_key, bool control, bool shift) {
  if (control && virtual_key == 'A') {
    text_.SelectAll();
    Changed(false);
  } else if ((control && virtual_key == 'C') || (control && virtual_key == VK_INSERT)) {
    Copy();
  } else if ((control && virtual_key == 'X') || (shift && virtual_key == VK_DELETE)) {
    Cut();
  } else if ((control && virtual_key == 'V') || (shift && virtual_key == VK_INSERT)) {
    Paste();
  } else {
    return false;
  }
  return true;
}

void EditBoxWindow::MoveByKey(uint32_t virtual_key, bool control, bool extend) {
  EnsureLayout();
  const size_t caret = text_.Caret();
  const bool collapse = text_.HasSelection() && !extend;
  size_t to = caret;
  switch (virtual_key) {
    case VK_LEFT:
      to = collapse ? text_.SelectionStart()
                    : (control ? text_.PreviousWordStart(caret) : text_.PreviousBoundary(caret));
      break;
    case VK_RIGHT:
      to = collapse ? text_.SelectionEnd()
                    : (control ? text_.NextWordStart(caret) : text_.NextBoundary(caret));
      break;
    case VK_HOME:
    case VK_END: {
      const EditLine& line = layout_.Line(layout_.LineOf(ToDisplay(caret)));
      if (control) {
        to = virtual_key == VK_HOME ? 0 : text_.Text().size();
      } else if (virtual_key == VK_HOME) {
        to = ToModel(line.start);
      } else {
        to = ToModel(line.soft ? line.end - 1 : line.end);
      }
      break;
    }
    default: {
      const size_t line = layout_.LineOf(ToDisplay(caret));
      if (!preferred_x_) preferred_x_ = layout_.XOf(ToDisplay(caret));
      const int step = virtual_key == VK_UP || virtual_key == VK_DOWN ? 1 : VisibleLines();
      const bool up = virtual_key == VK_UP || virtual_key == VK_PRIOR;
      if (up && line == 0) return;
      const size_t target =
          up ? line - std::min(line, static_cast<size_t>(step))
             : std::min(layout_.LineCount() - 1, line + static_cast<size_t>(step));
      text_.MoveCaret(ToModel(layout_.PositionAt(target, *preferred_x_)), extend);
      return;
    }
  }
  preferred_x_.reset();
  text_.MoveCaret(to, extend);
}

void EditBoxWindow::OnComposition() {
  ui::WindowManager* manager = ui::WindowManager::Current();
  std::u16string composition = manager ? CleanInput(manager->CompositionText()) : u"";
  if (!focused_) composition.clear();
  // A composition replaces the selection, as typing would.
  const bool edited = !composition.empty() && text_.DeleteSelection();
  composition_ = std::move(composition);
  composition_cursor_ =
      manager ? std::min<int>(manager->CompositionCursor(), static_cast<int>(composition_.size()))
              : 0;
  Changed(edited);
}

void EditBoxWindow::OnPenDown(int x, int y) {
  CloseMenu();
  if (!focused_) ui::SetFocus(hwnd_);
  if (!ui::IsWindow(hwnd_)) return;
  ui::SetCapture(hwnd_);
  const POINT point{x, y};
  const uint32_t now = Clock::TickCount();
  const size_t position = PositionAtPoint(x, y);
  word_selected_ =
      now - last_tap_tick_ <= kDoubleTapMs && Near(point, last_tap_point_, kDoubleTapSlop);
  if (word_selected_) {
    text_.SelectWordAt(position);
    last_tap_tick_ = 0;
  } else {
    text_.MoveCaret(position, ui::IsKeyDown(VK_SHIFT));
    last_tap_tick_ = now;
    last_tap_point_ = point;
  }
  pen_down_ = true;
  dragging_ = false;
  down_point_ = point;
  preferred_x_.reset();
  ui::SetTimer(hwnd_, kLongPressTimer, kLongPressMs);
  Changed(false);
}

void EditBoxWindow::OnPenMove(int x, int y) {
  if (!pen_down_ || word_selected_) return;
  if (!dragging_ && Near(POINT{x, y}, down_point_, kDragSlop)) return;
  if (!dragging_) {
    dragging_ = true;
    last_tap_tick_ = 0;
    ui::KillTimer(hwnd_, kLongPressTimer);
  }
  RECT client{};
  ui::GetClientRect(hwnd_, client);
  // Above or below the box the text scrolls by a line per move.
  if (y < 0 && first_line_ > 0) --first_line_;
  if (y >= client.bottom && first_line_ + 1 < LineCount()) ++first_line_;
  text_.MoveCaret(PositionAtPoint(x, std::clamp(y, 0, std::max(0, client.bottom - 1))), true);
  ui::InvalidateRect(hwnd_, nullptr);
  ShowCaretNow();
}

void EditBoxWindow::OnPenUp() {
  if (ui::GetCapture() == hwnd_) ui::ReleaseCapture();
  ui::KillTimer(hwnd_, kLongPressTimer);
  pen_down_ = false;
  if (dragging_) Changed(false);
  dragging_ = false;
}

void EditBoxWindow::OnTimer(uintptr_t id) {
  if (id == kCaretTimer) {
    caret_on_ = !caret_on_ && focused_;
    const RECT caret = CaretRect();
    ui::InvalidateRect(hwnd_, &caret);
  } else if (id == kLongPressTimer) {
    ui::KillTimer(hwnd_, kLongPressTimer);
    if (pen_down_ && !dragging_) OpenMenu();
  }
}

void EditBoxWindow::OpenMenu() {
  CloseMenu();
  RECT window{};
  ui::GetWindowRect(hwnd_, window);
  const POINT at{window.left + down_point_.x, window.top + down_point_.y};
  EditMenu::Enabled enabled{text_.HasSelection(), text_.HasSelection(), HasClipboardText(),
                            !text_.Text().empty()};
  pen_down_ = false;
  menu_ = EditMenu::Open(hwnd_, at, enabled);
}

void EditBoxWindow::CloseMenu() {
  if (ui::IsWindow(menu_)) EditMenu::Close(menu_);
  menu_ = nullptr;
}

void EditBoxWindow::Copy() {
  if (text_.HasSelection()) SetClipboardText(text_.SelectedText());
}

void EditBoxWindow::Cut() {
  if (!text_.HasSelection()) return;
  SetClipboardText(text_.SelectedText());
  text_.DeleteSelection();
  Changed(true);
}

void EditBoxWindow::Paste() {
  auto text = GetClipboardText();
  if (text && text_.Insert(*text)) Changed(true);
}

void EditBoxWindow::ShowCaretNow() {
  caret_on_ = focused_;
  if (focused_) ui::SetTimer(hwnd_, kCaretTimer, kCaretBlinkMs);
}

void EditBoxWindow::Changed(bool edited) {
  layout_stale_ = true;
  EnsureCaretVisible();
  ShowCaretNow();
  ui::InvalidateRect(hwnd_, nullptr);
  if (focused_) {
    if (ui::WindowManager* manager = ui::WindowManager::Current()) {
      RECT window{};
      ui::GetWindowRect(hwnd_, window);
      const RECT caret = CaretRect();
      manager->SetTextInputRect(OffsetRect(caret, window.left, window.top));
    }
  }
  if (edited) {
    ui::HWND self = hwnd_;
    ui::SendMessage(ui::GetParent(self), WM_COMMAND, WPARAM{EN_CHANGE} << 16,
                    reinterpret_cast<LPARAM>(self));
    // The parent may have destroyed the box: nothing of this object is touched after.
  }
}

}  // namespace platform::input
