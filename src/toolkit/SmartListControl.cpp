// The smart list: master and displayed rows, filters, scrolling, gestures, keys and painting.
//
// Gesture machine (pen input and timers). "yr" is the pen y relative to the list's top,
// shifted by (content - view) when a bottom-aligned list is shorter than its view.
//
//   state     | event                                  | action                        | next
//   ----------+----------------------------------------+-------------------------------+--------
//   idle      | down outside rect                      | ignored                       | idle
//   idle      | down inside rect                       | remember fling state, stop    | drag
//             |                                        | fling; on a row: press timer  |
//   fling     | down inside rect                       | as above (fling stops)        | drag
//   drag      | move                                   | content follows the finger;   | drag
//             |                                        | speed estimate when < 200 ms  |
//             |                                        | since the last move           |
//   drag      | up, |yr - down y| < 7 and travel < 20, | stop the fling, no click      | idle
//             | was flinging at pen-down               |                               |
//   drag      | up, same tap rule, not flinging        | select + paint row, click it  | idle
//   drag      | up, speed > 7 and < 200 ms since the   | fling step := drag / 4,       | fling
//             | last move                              | fling timer                   |
//   drag      | up, otherwise                          | stay (spring back if outside) | idle
//   drag      | press timer (500 ms), travel < 20      | long press; the pen-up that   | idle
//             |                                        | follows is ignored            |
//   drag      | press timer, travel >= 20              | nothing                       | drag
//   fling     | fling timer                            | step := trunc(step / friction)| fling
//             |                                        | (|step| < 4: last step); move;|  or idle
//             |                                        | stop when the next step would |
//             |                                        | pass the 30 px overshoot      |
//   any       | offset outside 0..max                  | spring-back timer: 3 px per   | -
//             |                                        | 20 ms toward the nearest end  |
#include "toolkit/SmartListControl.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <thread>
#include <unordered_set>

#include "platform/Clock.h"
#include "platform/Messages.h"
#include "platform/ui/WindowApi.h"
#include "theme/Image.h"
#include "theme/SettingManager.h"
#include "toolkit/Action.h"
#include "toolkit/AnimationRunners.h"
#include "toolkit/ISmartListFilter.h"
#include "toolkit/ListAnimation.h"
#include "toolkit/SeparatorItem.h"

namespace {

constexpr uint32_t kPressDelayMs = 500;
constexpr uint32_t kSpringBackDelayMs = 20;
constexpr int32_t kSpringBackStep = 3;
// A move older than this does not count toward the speed, and a release this long after the
// last move does not fling.
constexpr uint32_t kFlingWindowMs = 200;
constexpr int32_t kTapDistance = 7;
constexpr int32_t kTapTravel = 20;
constexpr int32_t kFlingMinSpeed = 7;
constexpr int32_t kFlingStopSpeed = 4;
// Jumps up to this many pixels are immediate; longer ones are animated.
constexpr int32_t kAnimateBeyond = 100;
// Value given to the counters and the order value of the filter header so that it sorts first.
constexpr int32_t kHeaderOrder = 0x0FFFFFFF;

constexpr uint32_t kVkLeft = 0x25;
constexpr uint32_t kVkUp = 0x26;
constexpr uint32_t kVkRight = 0x27;
constexpr uint32_t kVkDown = 0x28;
constexpr uint32_t kVkAction = 0x86;

bool IsArrowKey(uint32_t vk) {
  return vk == kVkLeft || vk == kVkUp || vk == kVkRight || vk == kVkDown;
}

}  // namespace

SmartListControl::SmartListControl(platform::ui::HWND host_window, const RECT& initial_rect)
    : LightControl(initial_rect),
      host_window_(host_window),
      owner_thread_(std::this_thread::get_id()),
      background_color_(theme::Settings().background_color) {
  SetScrollOffset(0);
}

SmartListControl::~SmartListControl() {
  // A timer left running would be offered to controls that never heard of this list.
  platform::ui::KillTimer(host_window_, FlingTimerId());
  platform::ui::KillTimer(host_window_, PressTimerId());
  platform::ui::KillTimer(host_window_, SpringBackTimerId());
  for (IListItem* item : master_) delete item;
}

// ---- Rows ----

IListItem* SmartListControl::AddItem(std::unique_ptr<IListItem> item) {
  std::lock_guard lock(lock_);
  if (!item) return nullptr;
  IListItem* row = item.release();
  master_.push_back(row);
  if (!filter_ || filter_->Accept(*row)) displayed_.push_back(row);
  content_height_ = -1;
  return row;
}

IListItem* SmartListControl::InsertItemFront(std::unique_ptr<IListItem> item) {
  std::lock_guard lock(lock_);
  if (!item) return nullptr;
  IListItem* row = item.release();
  master_.insert(master_.begin(), row);
  if (!filter_ || filter_->Accept(*row)) {
    // The filter header stays the first displayed row.
    auto front = displayed_.begin();
    if (header_ && front != displayed_.end() && *front == header_.get()) ++front;
    displayed_.insert(front, row);
  }
  content_height_ = -1;
  return row;
}

std::unique_ptr<IListItem> SmartListControl::RemoveItem(IListItem* item) {
  std::lock_guard lock(lock_);
  auto in_master = std::find(master_.begin(), master_.end(), item);
  if (item == nullptr || in_master == master_.end()) return nullptr;
  master_.erase(in_master);
  auto in_displayed = std::find(displayed_.begin(), displayed_.end(), item);
  if (in_displayed != displayed_.end()) {
    const auto index = static_cast<int32_t>(in_displayed - displayed_.begin());
    displayed_.erase(in_displayed);
    // Keep the highlight on the same row.
    if (selected_index_ == index) {
      selected_index_ = -1;
    } else if (selected_index_ > index) {
      --selected_index_;
    }
  }
  if (pressed_item_ == item) pressed_item_ = nullptr;
  content_height_ = -1;
  return std::unique_ptr<IListItem>(item);
}

void SmartListControl::DeleteAllItems() {
  DeleteAllItemsExcept(nullptr);
}

std::unique_ptr<IListItem> SmartListControl::DeleteAllItemsExcept(IListItem* keep) {
  std::lock_guard lock(lock_);
  std::unique_ptr<IListItem> kept;
  std::vector<IListItem*> rows;
  rows.swap(master_);
  displayed_.clear();
  if (header_) displayed_.push_back(header_.get());
  pressed_item_ = nullptr;
  for (IListItem* row : rows) {
    if (row == keep && !kept) {
      kept.reset(row);
    } else {
      delete row;
    }
  }
  selected_index_ = -1;
  last_painted_offset_ = -1;
  content_height_ = -1;
  SetScrollOffset(0);
  return kept;
}

// ---- Filters ----

void SmartListControl::ClearFilter() {
  std::lock_guard lock(lock_);
  if (filter_) selected_index_ = -1;
  displayed_ = master_;
  filter_.reset();
  if (pressed_item_ != nullptr && pressed_item_ == header_.get()) pressed_item_ = nullptr;
  header_.reset();
  refined_from_title_.clear();
  content_height_ = -1;
}

// Replaces the filter by `filter` (owned unless it is the current one) and scrolls to the top
// when it is a different filter. Returns false when the filter was cleared.
bool SmartListControl::ReplaceFilter(ISmartListFilter* filter) {
  const bool same = filter != nullptr && filter == filter_.get();
  if (!same) {
    filter_.reset();
    // The selection is a position among the displayed rows, which a new filter replaces.
    selected_index_ = -1;
    if (filter != nullptr) SetScrollOffset(0);
  }
  if (filter == nullptr) {
    ClearFilter();
    return false;
  }
  if (!same) filter_.reset(filter);
  return true;
}

void SmartListControl::InstallHeader(std::u16string caption) {
  auto header = std::make_unique<SeparatorItem>(u' ', theme::Settings().filter_title_height);
  header->caption = std::move(caption);
  header->text.clear();
  header->unread_sms_count = kHeaderOrder;
  header->sms_count = kHeaderOrder;
  header->order_value = kHeaderOrder;
  displayed_.insert(displayed_.begin(), header.get());
  if (pressed_item_ != nullptr && pressed_item_ == header_.get()) pressed_item_ = nullptr;
  header_ = std::move(header);
}

void SmartListControl::SetFilter(ISmartListFilter* filter) {
  std::lock_guard lock(lock_);
  if (!ReplaceFilter(filter)) return;
  refined_from_title_.clear();
  std::vector<IListItem*> accepted;
  for (IListItem* row : master_) {
    if (filter_->Accept(*row)) accepted.push_back(row);
  }
  displayed_.swap(accepted);
  InstallHeader(filter_->GetTitle());
  OnFilterApplied();
  content_height_ = -1;
  SetScrollOffset(std::min(scroll_offset_, MaxScrollOffset()));
}

void SmartListControl::RefineFilter(ISmartListFilter* filter) {
  std::lock_guard lock(lock_);
  // Refining with the filter already set (more letters typed into it) keeps the title of the
  // filter it refined, instead of repeating its own.
  if (filter == nullptr || filter != filter_.get()) {
    refined_from_title_ = filter_ ? filter_->GetTitle() : std::u16string();
  }
  std::u16string previous_title = refined_from_title_;
  std::vector<IListItem*> previous;
  previous.swap(displayed_);
  IListItem* old_header = header_.get();
  if (!ReplaceFilter(filter)) return;
  refined_from_title_ = previous_title;
  for (IListItem* row : previous) {
    if (row != old_header && filter_->Accept(*row)) displayed_.push_back(row);
  }
  std::u16string caption = filter_->GetTitle();
  if (!previous_title.empty()) {
    caption += u", ";
    caption += previous_title;
  }
  InstallHeader(std::move(caption));
  content_height_ = -1;
  SetScrollOffset(std::min(scroll_offset_, MaxScrollOffset()));
}

bool SmartListControl::RefreshFilter() {
  std::lock_guard lock(lock_);
  if (!filter_ || !refined_from_title_.empty()) return false;
  IListItem* selected = selected_index_ >= 0 && selected_index_ < std::ssize(displayed_)
                            ? displayed_[selected_index_]
                            : nullptr;
  const std::unordered_set<const IListItem*> shown(displayed_.begin(), displayed_.end());
  std::vector<IListItem*> kept;
  kept.reserve(displayed_.size());
  for (IListItem* row : displayed_) {
    if (row == header_.get() || filter_->Accept(*row)) kept.push_back(row);
  }
  bool changed = kept.size() != displayed_.size();
  for (IListItem* row : master_) {
    if (!shown.contains(row) && filter_->Accept(*row)) {
      kept.push_back(row);
      changed = true;
    }
  }
  if (!changed) return false;
  displayed_.swap(kept);
  auto found = std::find(displayed_.begin(), displayed_.end(), selected);
  selected_index_ =
      selected && found != displayed_.end() ? static_cast<int32_t>(found - displayed_.begin()) : -1;
  content_height_ = -1;
  if (scroll_offset_ > std::max(0, MaxScrollOffset())) SetScrollOffset(MaxScrollOffset());
  return true;
}

void SmartListControl::OnFilterApplied() {}

// ---- Geometry ----

int32_t SmartListControl::GetContentHeight() {
  std::lock_guard lock(lock_);
  if (content_height_ < 0) {
    int64_t sum = 0;
    for (const IListItem* row : displayed_) sum += std::max<int32_t>(row->height, 0);
    content_height_ = static_cast<int32_t>(std::min<int64_t>(sum, INT32_MAX / 2));
  }
  return content_height_;
}

int32_t SmartListControl::BottomAlignShift() {
  const int32_t content = GetContentHeight();
  const int32_t view = ViewHeight();
  return bottom_aligned_ && content < view ? content - view : 0;
}

bool SmartListControl::CanScroll() {
  return GetContentHeight() > ViewHeight() && !master_.empty();
}

int32_t SmartListControl::ItemTop(int32_t index) const {
  int32_t top = 0;
  for (int32_t i = 0; i < index && i < static_cast<int32_t>(displayed_.size()); ++i) {
    top += displayed_[i]->height;
  }
  return top;
}

// Timers belong to the UI thread; a loading thread that moves the offset (re-applying a
// filter) leaves them alone, and the next pen or timer event on the UI thread sets them right.
void SmartListControl::SetSpringBackTimer(bool on) {
  if (std::this_thread::get_id() != owner_thread_) return;
  if (on) {
    platform::ui::SetTimer(host_window_, SpringBackTimerId(), kSpringBackDelayMs);
  } else {
    platform::ui::KillTimer(host_window_, SpringBackTimerId());
  }
}

void SmartListControl::SetScrollOffset(int32_t offset) {
  std::lock_guard lock(lock_);
  const int32_t max = MaxScrollOffset();
  if (offset == kScrollToEnd) {
    SetSpringBackTimer(false);
    scroll_offset_ = std::max(0, max);
    NotifyScrolled();
    return;
  }
  if (!CanScroll()) {
    scroll_offset_ = 0;
    SetSpringBackTimer(false);
    return;
  }
  offset = std::clamp(offset, -kOvershoot, max + kOvershoot);
  if (offset < 0 || offset > max) {
    SetSpringBackTimer(true);
  } else {
    SetSpringBackTimer(false);
  }
  scroll_offset_ = offset;
  NotifyScrolled();
}

void SmartListControl::NotifyScrolled() {
  // The listener repaints on the host window, which only the UI thread may touch; a loading
  // thread that moves the offset posts a repaint of its own.
  if (scroll_listener_ != nullptr && std::this_thread::get_id() == owner_thread_) {
    scroll_listener_->Execute();
  }
}

IListItem* SmartListControl::ItemAt(int, int y) {
  std::lock_guard lock(lock_);
  const int64_t target = static_cast<int64_t>(scroll_offset_) + y;
  int64_t top = 0;
  for (IListItem* row : displayed_) {
    const int64_t bottom = top + row->height;
    if (target >= top && target < bottom) return row;
    top = bottom;
  }
  return nullptr;
}

void SmartListControl::ScrollToItem(int32_t index) {
  std::lock_guard lock(lock_);
  if (index < 0 || index >= static_cast<int32_t>(displayed_.size())) return;
  const int32_t target = ItemTop(index) - ViewHeight() / 2;
  if (std::abs(target - scroll_offset_) <= kAnimateBeyond) {
    SetScrollOffset(target);
    platform::ui::InvalidateRect(host_window_, &rect);
    return;
  }
  RunListAnimation(host_window_, std::make_unique<ListAnimation>(
                                     *this, target, theme::Settings().scroll_animation_duration));
}

bool SmartListControl::IsItemBottomVisible(int32_t index) {
  std::lock_guard lock(lock_);
  int32_t bottom = 0;
  if (index == -1) {
    bottom = GetContentHeight();
  } else if (index >= 0 && index < static_cast<int32_t>(displayed_.size())) {
    bottom = ItemTop(index) + displayed_[index]->height;
  } else {
    return false;
  }
  return bottom >= scroll_offset_ && bottom <= scroll_offset_ + ViewHeight();
}

bool SmartListControl::IsItemVisible(const IListItem* item) {
  std::lock_guard lock(lock_);
  auto found = std::find(displayed_.begin(), displayed_.end(), item);
  if (item == nullptr || found == displayed_.end()) return false;
  return IsItemBottomVisible(static_cast<int32_t>(found - displayed_.begin()));
}

void SmartListControl::SetEmptyText(std::u16string text) {
  std::lock_guard lock(lock_);
  empty_text_ = std::move(text);
}

std::u16string SmartListControl::EmptyText() const {
  std::lock_guard lock(lock_);
  return empty_text_;
}

void SmartListControl::StartLoading() {}

// ---- Painting ----

bool SmartListControl::Paint(platform::Surface& dc, int left, int top, int right, int bottom) {
  std::lock_guard lock(lock_);
  RECT area = IntersectRect(RECT{left, top, right, bottom}, rect);
  if (IsRectEmpty(area)) return false;

  const bool may_blit =
      force_blit_scrolling_ || (background_image_ == nullptr && !no_blit_scrolling_);
  if (may_blit && last_painted_offset_ != -1 && last_painted_offset_ != scroll_offset_ &&
      GetContentHeight() > ViewHeight()) {
    // Move what is already drawn and paint only the strip the move uncovered.
    const RECT uncovered = dc.ScrollRect(rect, 0, last_painted_offset_ - scroll_offset_);
    area = IntersectRect(uncovered, rect);
  }
  last_painted_offset_ = scroll_offset_;
  if (IsRectEmpty(area)) return true;

  dc.PushClip(area);
  if (background_image_ != nullptr) {
    background_image_->DrawBackdrop(dc, area, background_color_);
  } else if (background_color_ != kInvalidColor) {
    dc.FillRect(area, background_color_);
  }

  if (!empty_text_.empty() && !HasContentRows()) {
    const platform::Font font;
    RECT measured{rect.left, rect.top, rect.right, rect.top};
    dc.DrawText(empty_text_, measured, DT_CENTER | DT_NOPREFIX | DT_WORDBREAK | DT_CALCRECT, font,
                theme::Settings().text_color);
    const int32_t height = RectHeight(measured);
    RECT centred{rect.left, rect.top + (ViewHeight() - height) / 2, rect.right, 0};
    centred.bottom = centred.top + height;
    dc.DrawText(empty_text_, centred, DT_CENTER | DT_NOPREFIX | DT_WORDBREAK, font,
                theme::Settings().text_color);
  }

  const int32_t area_top = scroll_offset_ + (area.top - rect.top);
  const int32_t area_bottom = scroll_offset_ + (area.bottom - rect.top);
  int32_t y = -BottomAlignShift();
  for (size_t i = 0; i < displayed_.size(); ++i) {
    IListItem* row = displayed_[i];
    if (y >= area_bottom) break;
    if (y + row->height > area_top) {
      const RECT row_rect{rect.left, rect.top - scroll_offset_ + y, rect.right,
                          rect.top - scroll_offset_ + y + row->height};
      row->Draw(dc, row_rect, static_cast<int32_t>(i) == selected_index_);
    }
    y += row->height;
  }
  dc.PopClip();
  return true;
}

// ---- Pen input ----

int32_t SmartListControl::RelativeY(int y) {
  return y - rect.top + BottomAlignShift();
}

RECT SmartListControl::OnPenDown(int x, int y) {
  std::lock_guard lock(lock_);
  if (!PtInRect(rect, POINT{x, y})) return kEmptyRect;
  const int32_t yr = RelativeY(y);
  last_pen_x_ = x;
  last_pen_y_ = y;
  travel_ = 0;
  flinging_at_pen_down_ = flinging_;
  pen_down_ = true;
  flinging_ = false;
  previous_y_ = yr;
  pen_down_y_ = yr;
  if (IListItem* item = ItemAt(x, yr)) {
    BeginItemPress(item, x, y - rect.top);
    return rect;
  }
  return kEmptyRect;
}

RECT SmartListControl::OnPenMove(int x, int y) {
  std::lock_guard lock(lock_);
  if (!pen_down_) return kEmptyRect;
  travel_ += std::abs(last_pen_y_ - y) + std::abs(last_pen_x_ - x);
  last_pen_x_ = x;
  last_pen_y_ = y;
  const int32_t yr = RelativeY(y);
  const uint32_t now = platform::Clock::TickCount();
  if (now - last_move_time_ < kFlingWindowMs) {
    const int32_t distance = std::abs(previous_y_ - yr);
    speed_ = distance + speed_accumulator_ / 2;
    speed_accumulator_ = distance + speed_accumulator_ / 4;
  } else {
    speed_ = 0;
    speed_accumulator_ = 0;
  }
  SetScrollOffset(scroll_offset_ - yr + previous_y_);
  previous_y_ = yr;
  last_move_time_ = now;
  return rect;
}

RECT SmartListControl::OnPenUp(int x, int y) {
  std::unique_lock lock(lock_);
  if (!pen_down_) return kEmptyRect;
  pen_down_ = false;
  const int32_t yr = RelativeY(y);
  const bool tap = std::abs(yr - pen_down_y_) < kTapDistance && travel_ < kTapTravel;
  if (tap) {
    if (flinging_at_pen_down_ || flinging_) {
      flinging_ = false;
      speed_ = 0;
    } else if (IListItem* item = ItemAt(x, yr)) {
      auto found = std::find(displayed_.begin(), displayed_.end(), item);
      selected_index_ = static_cast<int32_t>(found - displayed_.begin());
      // Show the highlight before the row's action runs (it may take a while).
      platform::ui::InvalidateRect(host_window_, &rect);
      // The paint and the row's action take other lists' locks: this one is let go first,
      // so that locks are never taken in two orders.
      const RECT area = rect;
      lock.unlock();
      UpdateHostWindow();
      OnItemClick(item, x, y - area.top);
      return area;
    }
  } else if (speed_ > kFlingMinSpeed &&
             platform::Clock::TickCount() - last_move_time_ < kFlingWindowMs && CanScroll()) {
    flinging_ = true;
    speed_ = (pen_down_y_ - yr) / 4;
    platform::ui::SetTimer(
        host_window_, FlingTimerId(),
        static_cast<uint32_t>(std::max(1, theme::Settings().scroll_sliding_delay)));
  }
  return rect;
}

RECT SmartListControl::OnPenReleased(int, int) {
  std::lock_guard lock(lock_);
  platform::ui::KillTimer(host_window_, PressTimerId());
  return kEmptyRect;
}

void SmartListControl::UpdateHostWindow() {
  if (host_window_ == nullptr || !platform::ui::IsWindow(host_window_)) return;
  if (IsRectEmpty(host_window_->Dirty())) return;
  platform::ui::SendMessage(host_window_, WM_PAINT, 0, 0);
}

void SmartListControl::BeginItemPress(IListItem* item, int x, int y) {
  std::lock_guard lock(lock_);
  pressed_item_ = item;
  press_x_ = x;
  press_y_ = y;
  platform::ui::SetTimer(host_window_, PressTimerId(), kPressDelayMs);
}

void SmartListControl::OnItemLongPress(IListItem*, int, int) {}

void SmartListControl::OnItemClick(IListItem* item, int, int) {
  if (item != nullptr) item->OnClick(*this);
}

// ---- Timers ----

bool SmartListControl::OnTimer(uintptr_t timer_id) {
  std::unique_lock lock(lock_);
  if (timer_id == FlingTimerId()) {
    if (!flinging_) {
      speed_ = 0;
      platform::ui::KillTimer(host_window_, FlingTimerId());
      return true;
    }
    const float friction = theme::Settings().scroll_friction;
    if (friction > 0.0f && std::isfinite(friction)) {
      speed_ = static_cast<int32_t>(static_cast<float>(speed_) / friction);
    }
    if (std::abs(speed_) < kFlingStopSpeed) flinging_ = false;
    SetScrollOffset(scroll_offset_ + speed_);
    const int32_t step = std::abs(speed_);
    if ((speed_ < 0 && scroll_offset_ <= step - kOvershoot) ||
        (speed_ > 0 && scroll_offset_ > MaxScrollOffset() + kOvershoot - step)) {
      flinging_ = false;
    }
    platform::ui::InvalidateRect(host_window_, &rect);
    return true;
  }
  if (timer_id == PressTimerId()) {
    platform::ui::KillTimer(host_window_, PressTimerId());
    if (travel_ >= kTapTravel || !pen_down_ || pressed_item_ == nullptr) return true;
    pen_down_ = false;
    IListItem* const item = pressed_item_;
    lock.unlock();  // the long press's action may take other lists' locks
    OnItemLongPress(item, press_x_, press_y_);
    return true;
  }
  if (timer_id == SpringBackTimerId()) {
    const int32_t max = MaxScrollOffset();
    int32_t target = scroll_offset_;
    if (scroll_offset_ < 0) {
      target = std::min(scroll_offset_ + kSpringBackStep, std::max(max, 0));
    } else if (scroll_offset_ > max) {
      target = std::max(scroll_offset_ - kSpringBackStep, 0);
    }
    SetScrollOffset(target);
    platform::ui::InvalidateRect(host_window_, &rect);
    return true;
  }
  return false;
}

void SmartListControl::StopFling() {
  std::lock_guard lock(lock_);
  flinging_ = false;
  speed_ = 0;
  if (std::this_thread::get_id() == owner_thread_) {
    platform::ui::KillTimer(host_window_, FlingTimerId());
  }
}

// ---- Keys ----

RECT SmartListControl::OnKey(uint32_t virtual_key, char16_t) {
  std::lock_guard lock(lock_);
  const auto count = static_cast<int32_t>(displayed_.size());
  if (count == 0) return kEmptyRect;
  if (items_per_page_ == -1) {
    int32_t row_height = displayed_.back()->height;
    if (row_height <= 0) row_height = theme::Settings().contact_height;
    // Rows without height would make a page infinitely long: move one row per page then.
    items_per_page_ = row_height > 0 ? std::max(1, ViewHeight() / row_height) : 1;
  }
  flinging_ = false;
  if (selected_index_ >= count || !IsItemBottomVisible(selected_index_)) selected_index_ = -1;

  if (selected_index_ == -1) {
    const int32_t middle = scroll_offset_ + ViewHeight() / 2;
    int32_t top = 0;
    selected_index_ = 0;
    for (int32_t i = 0; i < count; ++i) {
      if (top >= middle) {
        selected_index_ = i;
        break;
      }
      top += displayed_[i]->height;
    }
  } else {
    int32_t delta = 0;
    switch (virtual_key) {
      case kVkDown:
        delta = 1;
        break;
      case kVkUp:
        delta = -1;
        break;
      case kVkLeft:
        delta = -items_per_page_;
        break;
      case kVkRight:
        delta = items_per_page_;
        break;
      default:
        break;
    }
    selected_index_ = std::clamp(selected_index_ + delta, 0, count - 1);
  }

  if (virtual_key == kVkAction) {
    displayed_[selected_index_]->OnClick(*this);
    return RECT{0, 0, 1, 0};
  }
  ScrollToItem(selected_index_);
  last_painted_offset_ = -1;
  if (IsArrowKey(virtual_key)) platform::ui::FlushKeyMessages(host_window_);
  return rect;
}
