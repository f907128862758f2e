// SmartListControl: the finger-scrolled list used for every list of the program. It owns a
// master sequence of rows and shows the subset a filter accepts (with a header row in front
// while a filter is set), scrolls by dragging with a decaying fling, overshoots each end by
// up to 30 px and springs back, tells taps, drags and long presses apart, highlights the
// tapped row, moves a selection with the arrow keys, and repaints by moving the pixels it
// already drew when it can.
//
// Ownership: the list owns its master rows (deleted through IListItem's destructor), its
// filter and its header row. The displayed sequence points into the master rows.
//
// Threads: painting, input and timers run on the UI thread. A loading thread may add,
// remove, re-sort and filter rows while holding ListLock(); every operation the UI thread
// runs takes the same (recursive) lock, so each change is atomic with respect to painting
// and input.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "platform/ui/Window.h"
#include "toolkit/IListItem.h"
#include "toolkit/LightControl.h"

class Action;
class ISmartListFilter;
class SeparatorItem;

namespace theme {
class Image;
}

class SmartListControl : public LightControl {
 public:
  // The value of SetScrollOffset that means "to the end".
  static constexpr int32_t kScrollToEnd = 0xFFFFFF;
  // How far the content may be dragged past either end.
  static constexpr int32_t kOvershoot = 30;

  SmartListControl(platform::ui::HWND host_window, const RECT& initial_rect);
  ~SmartListControl() override;

  bool Paint(platform::Surface& dc, int left, int top, int right, int bottom) override;
  RECT OnPenDown(int x, int y) override;
  RECT OnPenMove(int x, int y) override;
  RECT OnPenUp(int x, int y) override;
  RECT OnPenReleased(int x, int y) override;
  RECT OnKey(uint32_t virtual_key, char16_t character) override;
  bool OnTimer(uintptr_t timer_id) override;

  // Sets the filter, or none. The list takes ownership of `filter` unless it is the filter
  // already set (setting the same object again re-applies it without resetting the scroll
  // offset). The previous filter is deleted when replaced.
  virtual void SetFilter(ISmartListFilter* filter);
  // Sum of the displayed rows' heights, cached until rows or filters change.
  virtual int32_t GetContentHeight();
  // Starts whatever fills the list in the background; the base does nothing.
  virtual void StartLoading();
  // The pen went down on a displayed row (x in client coordinates, y relative to the list's
  // top): remembers the row and point and starts the 500 ms press timer.
  virtual void BeginItemPress(IListItem* item, int x, int y);
  // The pen was held still on a row for 500 ms. The base does nothing.
  virtual void OnItemLongPress(IListItem* item, int x, int y);
  // A tap on a row: the base calls the row's OnClick with this list.
  virtual void OnItemClick(IListItem* item, int x, int y);
  // Called after SetFilter rebuilt the displayed rows. The base does nothing.
  virtual void OnFilterApplied();
  // Whether the displayed rows hold anything of the list's own, so that the empty text is
  // not shown. The base: any displayed row. Called under ListLock() while painting.
  virtual bool HasContentRows() const { return !displayed_.empty(); }
  // The two SMS separator rows ("Unread SMS", "Read SMS") of a contact list, or none.
  virtual std::pair<SeparatorItem*, SeparatorItem*> SmsSeparatorRows() { return {}; }

  // Master sequence operations. The list takes ownership of added rows.
  IListItem* AddItem(std::unique_ptr<IListItem> item);
  IListItem* InsertItemFront(std::unique_ptr<IListItem> item);
  // Removes the first occurrence from both sequences and hands the row back (null when the
  // row is not in the list).
  std::unique_ptr<IListItem> RemoveItem(IListItem* item);
  void DeleteAllItems();
  // As DeleteAllItems, but hands `keep` back instead of deleting it.
  std::unique_ptr<IListItem> DeleteAllItemsExcept(IListItem* keep);
  // Shows every master row, deletes the filter and the header row.
  void ClearFilter();
  // Applies `filter` to the rows displayed now instead of the master rows; the header shows
  // its title followed by the previous filter's title. Takes ownership as SetFilter does.
  void RefineFilter(ISmartListFilter* filter);
  // Asks the current filter again about every master row, after their data changed what it
  // accepts: rows it now refuses leave the displayed ones, rows it now accepts join them at
  // the end (a re-sort puts them in place). The header and its title, the scroll offset
  // (clamped) and the selected row stay. A refined filter is left alone (the rows it refined
  // are no longer known). True when the displayed rows changed.
  bool RefreshFilter();

  void SetScrollOffset(int32_t offset);
  int32_t ScrollOffset() const { return scroll_offset_; }
  // The displayed row whose span contains scroll offset + y (y relative to the list's top).
  IListItem* ItemAt(int x, int y);
  // Brings displayed row `index` to the middle of the list (animated beyond 100 px).
  void ScrollToItem(int32_t index);
  // Whether the bottom edge of displayed row `index` (-1: the whole content) is in view.
  bool IsItemBottomVisible(int32_t index);
  bool IsItemVisible(const IListItem* item);

  // Master rows.
  size_t GetItemCount() const { return master_.size(); }
  IListItem* GetItem(size_t index) const { return master_[index]; }
  // The sequences themselves, for re-sorting under ListLock(). The list keeps owning the
  // master rows; a caller may reorder both sequences but not add or drop rows through them.
  std::vector<IListItem*>& MasterItems() { return master_; }
  std::vector<IListItem*>& DisplayedItems() { return displayed_; }
  size_t DisplayedCount() const { return displayed_.size(); }
  IListItem* DisplayedItem(size_t index) const { return displayed_[index]; }

  ISmartListFilter* Filter() const { return filter_.get(); }
  SeparatorItem* HeaderItem() const { return header_.get(); }
  // Marks the content height for recomputation (after a row's height changed).
  void InvalidateContentHeight() { content_height_ = -1; }
  int32_t ViewHeight() const { return rect.bottom - rect.top; }
  // Content height minus view height.
  int32_t MaxScrollOffset() { return GetContentHeight() - ViewHeight(); }
  int32_t SelectedIndex() const { return selected_index_; }
  void SetSelectedIndex(int32_t index) { selected_index_ = index; }
  // Forces the next paint to draw every row (no pixel moving).
  void ForceFullPaint() { last_painted_offset_ = -1; }
  bool IsFlinging() const { return flinging_; }
  // Ends a running fling where the list is now (a jump is about to move the list).
  void StopFling();
  platform::ui::HWND HostWindow() const { return host_window_; }

  // Run after every change of the scroll offset made on the UI thread; not owned.
  void SetScrollListener(Action* listener) { scroll_listener_ = listener; }
  // Drawn at the screen's top-left behind the rows (where it ends, the background colour is
  // drawn); not owned.
  void SetBackgroundImage(const theme::Image* image) { background_image_ = image; }
  void SetBackgroundColor(COLORREF color) { background_color_ = color; }
  void SetNoBlitScrolling(bool on) { no_blit_scrolling_ = on; }
  void SetForceBlitScrolling(bool on) { force_blit_scrolling_ = on; }
  void SetBottomAligned(bool on) { bottom_aligned_ = on; }
  void SetItemsPerPage(int32_t count) { items_per_page_ = count; }
  void SetEmptyText(std::u16string text);
  std::u16string EmptyText() const;

  // The lock a loading thread holds while it changes the list.
  std::recursive_mutex& ListLock() const { return lock_; }

 protected:
  // Timer ids: the list's address, plus 1 and 2.
  uintptr_t FlingTimerId() const { return reinterpret_cast<uintptr_t>(this); }
  uintptr_t PressTimerId() const { return FlingTimerId() + 1; }
  uintptr_t SpringBackTimerId() const { return FlingTimerId() + 2; }

  IListItem* PressedItem() const { return pressed_item_; }

 private:
  // Deletes the current filter unless it is `filter`, takes ownership of a new one and
  // scrolls to the top for it; clears the filter for null (then returns false).
  bool ReplaceFilter(ISmartListFilter* filter);
  // Puts a new filter header row with `caption` in front of the displayed rows.
  void InstallHeader(std::u16string caption);
  // How far a bottom-aligned list shorter than its view is drawn down (negative), else 0.
  int32_t BottomAlignShift();
  // Whether the content is taller than the view (an empty or short list never scrolls).
  bool CanScroll();
  // Top of displayed row `index` in content pixels.
  int32_t ItemTop(int32_t index) const;
  // Pen y relative to the list's top, corrected for bottom alignment.
  int32_t RelativeY(int y);
  // Runs the scroll listener (UI thread only; a no-op elsewhere).
  void NotifyScrolled();
  // Starts or kills the spring-back timer (UI thread only; a no-op elsewhere).
  void SetSpringBackTimer(bool on);
  // Paints the host window's invalid area now.
  void UpdateHostWindow();

  mutable std::recursive_mutex lock_;
  platform::ui::HWND host_window_;
  // The thread that created the list: the UI thread, owner of the list's timers.
  std::thread::id owner_thread_;

  std::vector<IListItem*> master_;     // owned
  std::vector<IListItem*> displayed_;  // points into master_, plus header_ in front
  std::unique_ptr<ISmartListFilter> filter_;
  std::unique_ptr<SeparatorItem> header_;
  // Title of the filter the current one refined (kept when the same filter refines again).
  std::u16string refined_from_title_;

  int32_t content_height_ = -1;
  int32_t scroll_offset_ = 0;
  int32_t last_painted_offset_ = -1;
  int32_t selected_index_ = -1;
  int32_t items_per_page_ = -1;

  bool pen_down_ = false;
  int32_t last_pen_x_ = 0;
  int32_t last_pen_y_ = 0;
  int32_t travel_ = 0;
  int32_t pen_down_y_ = 0;
  int32_t previous_y_ = 0;
  int32_t speed_ = 0;
  int32_t speed_accumulator_ = 0;
  uint32_t last_move_time_ = 0;
  bool flinging_ = false;
  bool flinging_at_pen_down_ = false;
  IListItem* pressed_item_ = nullptr;
  int32_t press_x_ = 0;
  int32_t press_y_ = 0;

  Action* scroll_listener_ = nullptr;
  bool no_blit_scrolling_ = false;
  bool force_blit_scrolling_ = false;
  const theme::Image* background_image_ = nullptr;
  COLORREF background_color_ = 0xFFFFFFFF;
  bool bottom_aligned_ = false;
  std::u16string empty_text_;
};
