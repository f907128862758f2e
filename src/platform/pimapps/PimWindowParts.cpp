#include "platform/pimapps/PimWindowParts.h"

#include "platform/Messages.h"

namespace platform::pimapps {

namespace {

FontDescription Face(int size, int weight) {
  return FontDescription{size, weight, false, u"DejaVu Sans"};
}

}  // namespace

PimWindowLook::PimWindowLook(SIZE screen)
    : scale(std::max<int>(1, std::min(screen.cx, screen.cy) / 240)),
      value_font(Face(13 * scale, FW_NORMAL)),
      label_font(Face(11 * scale, FW_NORMAL)),
      title_font(Face(13 * scale, FW_BOLD)) {}

RECT TitleArea(const PimWindowLook& look, const RECT& client) {
  return RECT{0, 0, client.right, look.S(kTitleHeight)};
}

RECT ScrolledArea(const PimWindowLook& look, const RECT& client) {
  return RECT{0, look.S(kTitleHeight), client.right, client.bottom - look.S(kButtonBar)};
}

RECT LeftButtonRect(const PimWindowLook& look, const RECT& client) {
  const int half = client.right / 2;
  return RECT{look.S(kMargin), client.bottom - look.S(kButtonBar) + look.S(kMargin),
              half - look.S(kMargin) / 2, client.bottom - look.S(kMargin)};
}

RECT RightButtonRect(const PimWindowLook& look, const RECT& client) {
  const RECT left = LeftButtonRect(look, client);
  return RECT{client.right / 2 + look.S(kMargin) / 2, left.top, client.right - look.S(kMargin),
              left.bottom};
}

void PaintTitleBar(Surface& dc, const PimWindowLook& look, const RECT& client,
                   std::u16string_view title) {
  const RECT bar = TitleArea(look, client);
  dc.FillRect(bar, kTitleColor);
  RECT text = InflateRect(bar, -look.S(kMargin), 0);
  dc.DrawText(title, text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS,
              look.title_font, kWhite);
}

void PaintButton(Surface& dc, const PimWindowLook& look, const RECT& rect,
                 std::u16string_view label, bool pressed) {
  dc.FillRect(rect, kBoxFrame);
  RECT inner = InflateRect(rect, -1, -1);
  dc.FillRect(inner, pressed ? kPressedColor : kButtonColor);
  dc.DrawText(label, inner, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX, look.title_font,
              kText);
}

void PaintButtonBar(Surface& dc, const PimWindowLook& look, const RECT& client,
                    std::u16string_view left, std::u16string_view right, int pressed) {
  const RECT area = ScrolledArea(look, client);
  dc.FillRect(RECT{0, area.bottom, client.right, client.bottom}, kBarColor);
  PaintButton(dc, look, LeftButtonRect(look, client), left, pressed == 1);
  PaintButton(dc, look, RightButtonRect(look, client), right, pressed == 2);
}

void PaintScrollMark(Surface& dc, const PimWindowLook& look, const RECT& area, int scroll,
                     int content_height) {
  const int track = RectHeight(area);
  const int max_scroll = content_height - track;
  if (max_scroll <= 0) return;
  const int thumb = std::max(look.S(12), track * track / std::max(1, content_height));
  const int top = area.top + (track - thumb) * std::clamp(scroll, 0, max_scroll) / max_scroll;
  dc.FillRect(RECT{area.right - look.S(3), top, area.right, top + thumb}, kBoxFrame);
}

}  // namespace platform::pimapps
