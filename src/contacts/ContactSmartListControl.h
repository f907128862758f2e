// ContactSmartListControl: the contact list of the main screen. A smart list whose rows are
// the contact records, the letter separators, the new-contact row, the SMS pseudo-contacts
// and the two SMS separator rows; it keeps them sorted (Resort), is filled by the loading
// thread and kept in step with the contact store, and answers typed letters and the
// long press of the list screen.
//
// There is one contact list per process while the list screen exists; Current() finds it
// for the code that changes counts from elsewhere (the SMS screen marking a message read).
//
// Threads: the loading thread started by StartLoading changes the rows only under ListLock();
// everything else runs on the UI thread. Rows the list drops (deleted contacts, stale cached
// rows) are kept aside, out of every sequence, until ReleaseRetiredRows runs on the UI thread,
// so that a screen still showing such a record never reads freed memory.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "contacts/SortKeyCache.h"
#include "toolkit/SmartListControl.h"

class ContactListItem;
class ContactLoader;
class LettersFilterItem;
struct LoaderSettings;

namespace platform::pim {
class PimApplication;
}

class ContactSmartListControl : public SmartListControl {
 public:
  // The pause after which typing starts afresh.
  static constexpr uint32_t kTypingPauseMs = 4000;
  // Pseudo virtual keys: jump to an index letter, and a phone-pad key.
  static constexpr uint32_t kKeyJump = static_cast<uint32_t>(-2);
  static constexpr uint32_t kKeyPhonePad = static_cast<uint32_t>(-3);

  ContactSmartListControl(platform::ui::HWND host_window, const RECT& initial_rect);
  ~ContactSmartListControl() override;

  // The contact list of this process, or null when none exists.
  static ContactSmartListControl* Current();

  // Sorts the master and displayed rows and runs the current filter's hook. Safe to call
  // from the loading thread: it takes ListLock().
  void Resort();
  void OnFilterApplied() override { Resort(); }

  std::pair<SeparatorItem*, SeparatorItem*> SmsSeparatorRows() override {
    return {unread_separator_, read_separator_};
  }
  // The loader records the two SMS separator rows it added (owned by the list as rows).
  void SetSmsSeparatorRows(SeparatorItem* unread, SeparatorItem* read) {
    unread_separator_ = unread;
    read_separator_ = read;
  }

  // Starts the loading thread on the store given by SetStore (the cache phase alone when
  // there is none). Once per list; later calls do nothing. Takes the theme values of the
  // cache phase now (UI thread).
  void StartLoading() override;
  // The store the list reads and writes; not owned, must outlive the list (null: none).
  void SetStore(platform::pim::PimApplication* store) { store_ = store; }
  platform::pim::PimApplication* Store() const { return store_; }
  // Tells the loader that the first relayout is over, so the theme is stable: takes the
  // theme values of the store phase (UI thread) and lets that phase begin. Resize calls it.
  // Every call also fits the rows to the theme now loaded (ApplyThemeToRows).
  void NotifyLayoutReady();
  // Gives every row the loaded theme's height (contact rows, letter separators, the filter
  // header) and adds the letter separators the rows lack, then re-sorts. Rows read from the
  // cache before the theme was loaded thus look as they do when read from the store. UI
  // thread.
  void ApplyThemeToRows();
  // Gives one row the theme's height, once a theme has been applied; before that the row
  // keeps the height it was made with. Under ListLock() (the loader calls it for new rows).
  void FitRowToTheme(IListItem& row) const;
  // Run where the loader recounts the SMS of every row (after each phase); may run on the
  // loading thread.
  void SetSmsRecount(std::function<void(ContactSmartListControl&)> recount) {
    sms_recount_ = std::move(recount);
  }
  // Waits for the loading thread to end (tests, shutdown).
  void WaitForLoading();
  bool IsLoading() const;

  // The first contact row among all rows (shown or hidden by the filter) with that id.
  ContactListItem* FindContactByObjectId(uint32_t object_id);
  // Store notifications (UI thread).
  // `animate`: the changed row grows into place; false when the list is out of sight, where
  // an animation (a transition for every screen) would disturb the screen on top of it.
  void OnContactChanged(uint32_t object_id, bool animate = true);
  void OnContactDeleted(uint32_t object_id);
  // Writes the favourite flag to the store and to the record.
  bool SetFavorite(ContactListItem& record, bool on);
  // Full read of the record's contact into it; false when the contact no longer exists.
  bool RefillContact(ContactListItem& record);
  // (Re)loads the record's picture when the theme shows pictures.
  void LoadContactPicture(ContactListItem& record);

  // Frees the rows dropped from the list. UI thread, when no screen shows a dropped record.
  void ReleaseRetiredRows();
  size_t RetiredRowCount() const;

  void Resize(const RECT& client) override;
  bool Paint(platform::Surface& dc, int left, int top, int right, int bottom) override;
  RECT OnKey(uint32_t virtual_key, char16_t character) override;
  // A long press on a contact with numbers opens the call edit panel with its last number.
  void OnItemLongPress(IListItem* item, int x, int y) override;
  void OnItemClick(IListItem* item, int x, int y) override;
  void SetFilter(ISmartListFilter* filter) override;
  // A contact row other than the new-contact row is displayed; the filter header and the
  // separators alone leave room for the empty text.
  bool HasContentRows() const override;

  // Rows with a picture in memory; pictures of rows far from the view are dropped beyond it.
  static constexpr size_t kMaxPictures = 120;
  size_t PictureCount() const { return pictured_.size(); }

  // Used by the loader (under ListLock()).
  SortKeyCache& SortKeys() { return sort_keys_; }
  // Moves a row out of the list into the retired rows (takes ListLock()).
  void RetireRow(IListItem* row);
  void RunSmsRecount();
  // Forgets the picture bookkeeping of a row that leaves the list (under ListLock()).
  void ForgetPicture(const IListItem* row);
  // Records that the list has the letter separator of `letter`; false when it already had
  // one (under ListLock()). Keeps the loader and live additions from making two.
  bool ClaimLetterSeparator(char16_t letter);

 private:
  void LongPressRow(IListItem* item, int x, int y);
  friend class ContactLoader;
  void WaitLayout(std::unique_lock<std::mutex>& lock);
  RECT JumpToLetter(char16_t letter);
  RECT TypeIntoFilter(uint32_t virtual_key, char16_t character, bool typable, uint32_t idle);
  void LoadVisiblePictures();
  // Adds the letter separator a newly added contact row needs (UI thread, under ListLock()).
  void AddLetterSeparatorFor(const ContactListItem& row);

  SeparatorItem* unread_separator_ = nullptr;
  SeparatorItem* read_separator_ = nullptr;

  platform::pim::PimApplication* store_ = nullptr;
  std::function<void(ContactSmartListControl&)> sms_recount_;
  SortKeyCache sort_keys_;                           // under ListLock()
  std::vector<std::unique_ptr<IListItem>> retired_;  // under ListLock()
  std::u16string letter_separators_;                 // letters that have one; under ListLock()
  // Contact rows of the master sequence by object id (under ListLock()); rebuilt when the
  // master sequence's size differs from the size it was built at, kept in step by RetireRow.
  std::unordered_map<uint32_t, ContactListItem*> object_index_;
  size_t indexed_count_ = static_cast<size_t>(-1);

  // Loading thread and its hand-over of the store phase's theme values.
  mutable std::mutex load_mutex_;
  std::condition_variable load_cv_;
  std::unique_ptr<LoaderSettings> store_settings_;  // under load_mutex_
  bool layout_ready_ = false;                       // under load_mutex_
  bool cancel_ = false;                             // under load_mutex_
  bool loading_ = false;                            // under load_mutex_
  bool started_ = false;                            // UI thread
  std::thread loader_;

  // Typing state (UI thread).
  char16_t last_typed_ = 0xFFFF;
  uint32_t last_key_time_ = 0xFFFFFFFFu;
  bool typed_before_ = false;

  // Object ids of the rows holding a picture (in reading order) and of the rows whose
  // picture was already asked for (under ListLock()). Ids, not pointers: a row may leave the
  // list by ways this class does not see, and an id is looked up again before use.
  std::vector<uint32_t> pictured_;
  std::unordered_set<uint32_t> picture_tried_;
  bool show_pictures_ = true;
  // The theme's row heights (under ListLock()); `themed_` once a loaded theme gave them.
  int32_t contact_height_ = 36;
  int32_t separator_height_ = 0;
  bool themed_ = false;
};
