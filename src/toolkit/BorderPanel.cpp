#include "toolkit/BorderPanel.h"

#include <algorithm>
#include <memory>

#include "platform/ui/WindowApi.h"
#include "theme/SettingManager.h"
#include "toolkit/AnimationRunners.h"
#include "toolkit/VerticalSlideAnimation.h"

namespace {

// The answer of a panel that swallowed an event without anything to repaint.
constexpr RECT kSwallowed{0, 0, 1, 1};

}  // namespace

BorderPanel::BorderPanel(platform::ui::HWND host_window, const RECT& initial_rect)
    : ContainerPanel(initial_rect), host_window_(host_window) {}

void BorderPanel::Resize(const RECT& client) {
  const theme::SettingManager& settings = theme::Settings();
  const int margin = settings.button_panel_border_margin;
  const int width = settings.small_button_width;
  const int height = settings.small_button_height;
  const int columns = std::max(1, settings.button_panel_columns);
  const int count = static_cast<int>(ChildCount());
  // Rows per column, rounded up so that no button lands beyond the last column.
  const int rows = std::max(1, (count + columns - 1) / columns);
  const int panel_width = columns * width + 2 * margin;
  rect.left = (RectWidth(client) - panel_width) / 2;
  rect.right = rect.left + panel_width;
  rect.top = 0;
  int lowest = 0;
  for (int i = 0; i < count; ++i) {
    const int column = i / rows;
    const int row = i % rows;
    const RECT relative{margin + column * width, margin + row * height,
                        margin + (column + 1) * width, margin + (row + 1) * height};
    LightControl* child = Child(static_cast<size_t>(i));
    if (auto* follower = dynamic_cast<RelativeChild*>(child)) follower->SetRelativeRect(relative);
    child->rect = OffsetRect(relative, rect.left, rect.top);
    lowest = std::max(lowest, relative.bottom);
  }
  rect.bottom = count == 0 ? margin : margin + lowest;
}

bool BorderPanel::Paint(platform::Surface& dc, int left, int top, int right, int bottom) {
  const theme::SettingManager& settings = theme::Settings();
  if (const auto& image = settings.button_panel_image_background) {
    const platform::Surface& pixels = image->Pixels();
    dc.StretchBlt(rect, pixels, pixels.Bounds(), platform::SRCCOPY);
  } else {
    const int border = settings.button_panel_border_width;
    dc.FillRect(rect, settings.button_panel_border_color);
    dc.FillRect(InflateRect(rect, -border, -border), settings.button_panel_background_color);
  }
  return ContainerPanel::Paint(dc, left, top, right, bottom);
}

RECT BorderPanel::OnPenDown(int x, int y) {
  pen_down_seen_ = true;
  const RECT result = ContainerPanel::OnPenDown(x, y);
  return result.right > 0 ? result : kSwallowed;
}

RECT BorderPanel::OnPenMove(int x, int y) {
  RECT merged = kEmptyRect;
  for (size_t i = 0; i < ChildCount(); ++i) {
    LightControl* child = Child(i);
    if (child->visible) merged = UnionRect(merged, child->OnPenMove(x, y));
  }
  return merged;
}

RECT BorderPanel::OnPenUp(int x, int y) {
  const RECT result = ContainerPanel::OnPenUp(x, y);
  if (result.right > 0) return result;
  if (pen_down_seen_) {
    if (cancel_action_) {
      // The action may delete this panel: copy it and touch no member afterwards.
      CancelAction action = cancel_action_;
      action();
    } else {
      Close(0);
    }
  }
  return kSwallowed;
}

void BorderPanel::MoveTop(int top) {
  const int dy = top - rect.top;
  if (dy == 0) return;
  rect = OffsetRect(rect, 0, dy);
  for (size_t i = 0; i < ChildCount(); ++i) {
    LightControl* child = Child(i);
    if (!dynamic_cast<RelativeChild*>(child)) child->rect = OffsetRect(child->rect, 0, dy);
  }
}

void BorderPanel::SlideTo(int top) {
  const RECT start = rect;
  const int duration = theme::Settings().menu_animation_duration;
  RunControlAnimation(host_window_, *this,
                      std::make_unique<VerticalSlideAnimation>(*this, top, duration), nullptr);
  // The animation moves the panel's rect only; children without a relative rect follow here.
  const int dy = rect.top - start.top;
  rect = start;
  MoveTop(start.top + dy);
}

void BorderPanel::Open() {
  visible = true;
  // Start just above the top edge and slide down into place.
  MoveTop(-RectHeight(rect));
  SlideTo(0);
  platform::ui::InvalidateRect(host_window_, &rect);
}

void BorderPanel::Close(int offset) {
  visible = false;
  const int height = RectHeight(rect);
  MoveTop(0);
  const RECT covered = rect;
  // The slide still draws the panel although it is hidden already.
  SlideTo(-height + offset);
  // The screen under the panel needs painting again now that it is hidden.
  platform::ui::InvalidateRect(host_window_, &covered);
}
