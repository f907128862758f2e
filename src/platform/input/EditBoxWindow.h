// One edit box window's state and message handling (see EditBox.h for the behaviour). The
// object is the window's class data: it lives from WM_CREATE until the window is destroyed.
// Text positions of the model (EditText) and of the display differ while a composition is
// shown: the display inserts the composition at the caret.
#pragma once

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/Messages.h"
#include "platform/Surface.h"
#include "platform/input/EditLayout.h"
#include "platform/input/EditText.h"
#include "platform/ui/Window.h"

namespace platform::input {

class EditBoxWindow final : public ui::WindowClassData {
 public:
  EditBoxWindow(ui::HWND hwnd, Capitalise capitalise);

  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);

  const EditText& Model() const { return text_; }
  bool Focused() const { return focused_; }
  size_t FirstVisibleLine() const { return first_line_; }
  size_t LineCount();
  const std::u16string& Composition() const { return composition_; }
  bool MenuOpen() const;

 private:
  // Messages.
  LRESULT OnGetText(WPARAM capacity, LPARAM buffer) const;
  void OnSetSelection(WPARAM anchor, LPARAM caret);
  void OnKeyDown(uint32_t virtual_key);
  bool OnShortcut(uint32_t virtual_key, bool control, bool shift);
  void MoveByKey(uint32_t virtual_key, bool control, bool extend);
  void OnComposition();
  void OnPenDown(int x, int y);
  void OnPenMove(int x, int y);
  void OnPenUp();
  void OnTimer(uintptr_t id);
  void OpenMenu();
  void CloseMenu();

  // Clipboard commands.
  void Copy();
  void Cut();
  void Paste();

  // Layout and painting (EditBoxPaint.cpp).
  void Paint();
  void PaintLine(Surface& dc, size_t line, int y, COLORREF text_color);
  void EnsureLayout();
  void EnsureCaretVisible();
  // Created without ES_MULTILINE: one line that scrolls sideways, never wrapped.
  bool SingleLine() const;
  int LineHeight() const;
  int VisibleLines() const;
  size_t PositionAtPoint(int x, int y);
  RECT CaretRect();
  std::u16string DisplayText() const;
  size_t ToDisplay(size_t position) const;
  size_t ToModel(size_t position) const;

  // After any change of text, caret or scrolling: relayout, scroll, repaint, restart the
  // caret's blink; `edited` also tells the parent (which may destroy the box: call last).
  void Changed(bool edited);
  void ShowCaretNow();

  ui::HWND hwnd_;
  EditText text_;
  EditLayout layout_;
  bool layout_stale_ = true;
  std::u16string display_;  // the text as laid out (with the composition), set by EnsureLayout
  Font font_;
  size_t first_line_ = 0;
  int scroll_x_ = 0;  // single-line boxes: pixels scrolled off the left edge
  bool focused_ = false;
  bool caret_on_ = false;
  std::optional<int> preferred_x_;  // kept while moving up and down
  std::u16string composition_;
  int composition_cursor_ = 0;
  // Measured paragraphs of the last layout, reused while they stay the same.
  std::unordered_map<std::u16string, std::vector<int>> stops_cache_;
  // The pen.
  bool pen_down_ = false;
  bool dragging_ = false;
  bool word_selected_ = false;
  POINT down_point_{};
  uint32_t last_tap_tick_ = 0;
  POINT last_tap_point_{-1000, -1000};
  ui::HWND menu_ = nullptr;
};

}  // namespace platform::input
