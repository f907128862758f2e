// What the platform's contact windows (editor, viewer, picture chooser, contacts list) share:
// their sizes at 240 pixels of short screen side, their colours and fonts, the title bar, the
// two buttons at the bottom, the scroll position mark and the finger-drag scrolling.
//
// UI thread only.
#pragma once

#include <algorithm>
#include <string_view>

#include "platform/Surface.h"
#include "platform/Types.h"

namespace platform::pimapps {

inline constexpr char kWindowDumpSection[] = "platform_window";
inline constexpr int kTitleHeight = 28;
inline constexpr int kButtonBar = 44;
inline constexpr int kHeaderHeight = 24;
inline constexpr int kLabelHeight = 16;
inline constexpr int kBoxHeight = 30;
inline constexpr int kRowGap = 6;
inline constexpr int kMargin = 6;
inline constexpr int kDragSlop = 8;

inline constexpr COLORREF kBackground = RGB(255, 255, 255);
inline constexpr COLORREF kTitleColor = RGB(24, 40, 72);
inline constexpr COLORREF kHeaderColor = RGB(214, 224, 240);
inline constexpr COLORREF kHeaderText = RGB(24, 40, 72);
inline constexpr COLORREF kLabelText = RGB(90, 90, 90);
inline constexpr COLORREF kBoxFrame = RGB(150, 150, 150);
inline constexpr COLORREF kActiveFrame = RGB(40, 90, 200);
inline constexpr COLORREF kButtonColor = RGB(220, 220, 220);
inline constexpr COLORREF kPressedColor = RGB(150, 150, 150);
inline constexpr COLORREF kBarColor = RGB(240, 240, 240);
inline constexpr COLORREF kText = RGB(0, 0, 0);
inline constexpr COLORREF kWhite = RGB(255, 255, 255);

// The fonts and the pixel scale of a window on a screen of `screen` pixels.
struct PimWindowLook {
  explicit PimWindowLook(SIZE screen);
  int S(int px) const { return px * scale; }

  int scale = 1;
  Font value_font;
  Font label_font;
  Font title_font;
};

// The window's areas: the title bar, the scrolled area and the two buttons of the bottom bar.
RECT TitleArea(const PimWindowLook& look, const RECT& client);
RECT ScrolledArea(const PimWindowLook& look, const RECT& client);
RECT LeftButtonRect(const PimWindowLook& look, const RECT& client);
RECT RightButtonRect(const PimWindowLook& look, const RECT& client);

void PaintTitleBar(Surface& dc, const PimWindowLook& look, const RECT& client,
                   std::u16string_view title);
void PaintButton(Surface& dc, const PimWindowLook& look, const RECT& rect,
                 std::u16string_view label, bool pressed);
// The bottom bar with its two buttons; `pressed` is 1 (left), 2 (right) or 0.
void PaintButtonBar(Surface& dc, const PimWindowLook& look, const RECT& client,
                    std::u16string_view left, std::u16string_view right, int pressed);
// A thin mark at the right edge of `area` when the content is taller than it.
void PaintScrollMark(Surface& dc, const PimWindowLook& look, const RECT& area, int scroll,
                     int content_height);

// Finger-drag scrolling of one area: a pen that moves further than the slop scrolls, and then
// its release is no tap.
class DragScroll {
 public:
  void Down(POINT point, int scroll) {
    down_ = true;
    dragging_ = false;
    point_ = point;
    scroll_ = scroll;
  }
  // The new scroll offset while dragging, or nullopt-like -1 when the pen has not moved far.
  int Move(POINT point, int slop) {
    if (!down_) return -1;
    if (!dragging_ && std::abs(point.y - point_.y) > slop) dragging_ = true;
    return dragging_ ? std::max(0, scroll_ - (point.y - point_.y)) : -1;
  }
  // True when the release ends a tap (not a drag).
  bool Up() {
    const bool tap = down_ && !dragging_;
    down_ = dragging_ = false;
    return tap;
  }
  bool IsDown() const { return down_; }

 private:
  bool down_ = false;
  bool dragging_ = false;
  POINT point_{};
  int scroll_ = 0;
};

}  // namespace platform::pimapps
