// Layout and painting of an edit box: the lines of the displayed text (the model with the
// composition inserted at the caret), the background and colours from the parent, the
// selection, the composition's underline and the caret.
#include <algorithm>

#include "platform/Brush.h"
#include "platform/input/EditBoxWindow.h"
#include "platform/ui/ControlColors.h"
#include "platform/ui/WindowApi.h"

namespace platform::input {

namespace {

constexpr int kMarginX = 2;
constexpr int kMarginY = 1;
constexpr COLORREF kSelectionColor = RGB(49, 106, 197);
constexpr COLORREF kSelectedTextColor = RGB(255, 255, 255);
// Wide enough that no text is wrapped, small enough that sums with it stay in range.
constexpr int kUnwrappedWidth = 1 << 28;
constexpr uint32_t kLineFlags = DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP;

}  // namespace

std::u16string EditBoxWindow::DisplayText() const {
  if (composition_.empty()) return text_.Text();
  std::u16string shown = text_.Text();
  shown.insert(text_.Caret(), composition_);
  return shown;
}

size_t EditBoxWindow::ToDisplay(size_t position) const {
  return position <= text_.Caret() ? position : position + composition_.size();
}

size_t EditBoxWindow::ToModel(size_t position) const {
  const size_t caret = text_.Caret();
  if (position <= caret) return position;
  if (position < caret + composition_.size()) return caret;
  return position - composition_.size();
}

bool EditBoxWindow::SingleLine() const {
  return (hwnd_->Style() & ES_MULTILINE) == 0;
}

int EditBoxWindow::LineHeight() const {
  return std::max(1, font_.LineHeight());
}

int EditBoxWindow::VisibleLines() const {
  RECT client{};
  ui::GetClientRect(hwnd_, client);
  return std::max(1, (RectHeight(client) - kMarginY) / LineHeight());
}

void EditBoxWindow::EnsureLayout() {
  if (!layout_stale_) return;
  RECT client{};
  ui::GetClientRect(hwnd_, client);
  std::unordered_map<std::u16string, std::vector<int>> used;
  auto measure = [this, &used](std::u16string_view paragraph) {
    std::u16string key(paragraph);
    auto cached = stops_cache_.find(key);
    std::vector<int> stops =
        cached != stops_cache_.end() ? cached->second : MeasureCaretStops(paragraph, font_);
    used.emplace(std::move(key), stops);
    return stops;
  };
  display_ = DisplayText();
  // A single-line box never wraps: it scrolls sideways instead.
  const int width = SingleLine() ? kUnwrappedWidth : RectWidth(client) - 2 * kMarginX;
  layout_.Build(display_, width, measure);
  stops_cache_ = std::move(used);
  layout_stale_ = false;
}

void EditBoxWindow::EnsureCaretVisible() {
  EnsureLayout();
  const size_t line = layout_.LineOf(ToDisplay(text_.Caret()) + composition_cursor_);
  const size_t visible = static_cast<size_t>(VisibleLines());
  if (line < first_line_) first_line_ = line;
  if (line >= first_line_ + visible) first_line_ = line + 1 - visible;
  const size_t count = layout_.LineCount();
  first_line_ = std::min(first_line_, count > visible ? count - visible : 0);
  if (!SingleLine()) return;
  // Sideways: the caret stays inside the box and no room is left empty after the text's end.
  RECT client{};
  ui::GetClientRect(hwnd_, client);
  const int room = std::max(1, RectWidth(client) - 2 * kMarginX - 1);
  const int x = layout_.XOf(ToDisplay(text_.Caret()) + composition_cursor_);
  const int end = layout_.XOf(layout_.Line(line).end);
  if (x < scroll_x_) scroll_x_ = x;
  if (x > scroll_x_ + room) scroll_x_ = x - room;
  scroll_x_ = std::clamp(scroll_x_, 0, std::max(0, end - room));
}

size_t EditBoxWindow::PositionAtPoint(int x, int y) {
  EnsureLayout();
  const int row = y < kMarginY ? -1 : (y - kMarginY) / LineHeight();
  const int64_t line = static_cast<int64_t>(first_line_) + row;
  const size_t clamped =
      static_cast<size_t>(std::clamp<int64_t>(line, 0, int64_t(layout_.LineCount()) - 1));
  return text_.Snap(ToModel(layout_.PositionAt(clamped, x - kMarginX + scroll_x_)));
}

RECT EditBoxWindow::CaretRect() {
  EnsureLayout();
  const size_t position = ToDisplay(text_.Caret()) + static_cast<size_t>(composition_cursor_);
  const size_t line = layout_.LineOf(position);
  const int x = kMarginX - scroll_x_ + layout_.XOf(position);
  const int y = kMarginY + (static_cast<int>(line) - static_cast<int>(first_line_)) * LineHeight();
  return RECT{x - 1, y, x + 2, y + LineHeight()};
}

void EditBoxWindow::PaintLine(Surface& dc, size_t index, int y, COLORREF text_color) {
  const std::u16string& shown = display_;
  const EditLine& line = layout_.Line(index);
  const std::u16string_view content =
      std::u16string_view(shown).substr(line.start, line.end - line.start);
  const int height = LineHeight();
  const int margin = kMarginX - scroll_x_;
  RECT place{margin, y, margin + 1, y + height};
  dc.DrawText(content, place, kLineFlags, font_, text_color);
  // The selection: its part of this line, plus a little room for a selected line break.
  const size_t from = std::max(ToDisplay(text_.SelectionStart()), line.start);
  const size_t to = std::min(ToDisplay(text_.SelectionEnd()), line.end);
  const bool break_selected = !line.soft && ToDisplay(text_.SelectionEnd()) > line.end &&
                              ToDisplay(text_.SelectionStart()) <= line.end;
  if (text_.HasSelection() && (from < to || break_selected)) {
    const int left = margin + layout_.XOf(std::min(from, line.end));
    const int right = margin + layout_.XOf(to < from ? from : to) + (break_selected ? 4 : 0);
    const RECT band{left, y, std::max(left, right), y + height};
    dc.FillRect(band, kSelectionColor);
    dc.PushClip(band);
    dc.DrawText(content, place, kLineFlags, font_, kSelectedTextColor);
    dc.PopClip();
  }
  // The composition, underlined.
  const size_t comp_start = std::max(text_.Caret(), line.start);
  const size_t comp_end = std::min(text_.Caret() + composition_.size(), line.end);
  if (!composition_.empty() && comp_start < comp_end) {
    const int left = margin + layout_.XOf(comp_start);
    const int right = margin + layout_.XOf(comp_end);
    dc.FillRect(RECT{left, y + height - 1, right, y + height}, text_color);
  }
}

void EditBoxWindow::Paint() {
  ui::PAINTSTRUCT paint;
  Surface* dc = ui::BeginPaint(hwnd_, paint);
  if (!dc) return;
  EnsureLayout();
  RECT client{};
  ui::GetClientRect(hwnd_, client);
  ui::ControlColors colors;
  const LRESULT brush =
      ui::SendMessage(ui::GetParent(hwnd_), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(&colors),
                      reinterpret_cast<LPARAM>(hwnd_));
  if (brush != 0) {
    reinterpret_cast<const Brush*>(brush)->Fill(*dc, client, colors.brush_origin);
  } else {
    dc->FillRect(client, RGB(255, 255, 255));
    colors = ui::ControlColors{};
  }
  const int height = LineHeight();
  int y = kMarginY;
  for (size_t line = first_line_; line < layout_.LineCount() && y < client.bottom; ++line) {
    PaintLine(*dc, line, y, colors.text_color);
    y += height;
  }
  if (focused_ && caret_on_ && !text_.HasSelection()) {
    RECT caret = CaretRect();
    caret.left += 1;
    caret.right = caret.left + 1;
    dc->FillRect(caret, colors.text_color);
  }
  ui::EndPaint(hwnd_, paint);
}

}  // namespace platform::input
