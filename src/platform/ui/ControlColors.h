// What a child control asks its parent with WM_CTLCOLOREDIT: wParam points to this record,
// which the parent fills (text colour, transparent text background, where the brush's pattern
// starts in the control's client pixels); lParam is the control's window. The parent returns
// the background brush (a platform::Brush*, owned by the parent) or 0 for the control's own
// white background and black text.
#pragma once

#include "platform/Types.h"

namespace platform::ui {

struct ControlColors {
  COLORREF text_color = RGB(0, 0, 0);
  bool transparent = false;
  POINT brush_origin{};
};

}  // namespace platform::ui
