// ContactDetailPanel: the contact detail screen. It shows the contact's name, picture (framed,
// with the favourite mark) and detail text, a finger-scrolled list of large buttons (call and
// SMS for each number, mail for each address), a back button, an options menu that the
// picture area opens (view, edit, set or remove the picture, set or remove the favourite
// mark, remove the contact, cancel), and the contact's note in a text box that a tap on the
// detail text flips in over the screen.
//
// Children in input order: back button, note box, options menu, button list.
//
// The note box is saved and hidden by the start of the next transition (the back button's
// flip, or leaving the screen), and saved only when the user changed it; the flip that shows
// it must not do that, which `showing_note_` marks.
//
// The contact is a record of the contact list, not owned. The panel forgets it when it is
// hidden by a transition: the list frees the records of deleted contacts once it is shown
// again, and a hidden detail screen is always filled anew before it is shown.
//
// A contact may be deleted by another process while the screen shows it: the options that
// reach the store find no item and bring the list screen back instead (StoreItemOrLeave).
//
// After a call or a mail the screen stays faded for kReturnPauseMs, ignoring input, then the
// list slides back in; the pause runs on a timer (id: the panel's address), so the message
// loop keeps running meanwhile.
//
// UI thread only.
#pragma once

#include <memory>
#include <vector>

#include "platform/ui/Window.h"
#include "theme/Image.h"
#include "toolkit/Action.h"
#include "toolkit/CallAction.h"
#include "toolkit/ContainerPanel.h"

class BorderPanel;
class ButtonSmartListControl;
class CloseButton;
class ContactListItem;
class ContactSmartListControl;
class RelativeButton;
class TextInputControl;

namespace platform::pim {
class PimItem;
}

class ContactDetailPanel : public ContainerPanel, public CallScreen {
 public:
  static constexpr uint32_t kReturnPauseMs = 2000;

  // What the picture frame shows.
  enum class PictureState { kNone, kDefault, kContact };

  // The options menu and the note box start hidden; no contact.
  ContactDetailPanel(platform::ui::HWND host_window, const RECT& initial_rect);
  ~ContactDetailPanel() override;

  // Fills the panel for `contact` (nothing for null): the menu's picture and favourite labels,
  // the picture scaled to contact_photo_box, the button list (for each phone entry in stored
  // order a call button with the call edit as its long press, and an SMS button before it when
  // the number takes SMS, each inserted at the front; then a mail button per address),
  // scrolled to the top. Closes the options menu.
  void SetContact(ContactListItem* contact);

  // The button list takes contact_button_list_box (bottom limited to the client), the menu is
  // laid out, the buttons take the theme's faces and height.
  void Resize(const RECT& client) override;
  // Background (not under the button list), name, detail text, picture frame, picture or
  // default picture, favourite mark, then the children.
  bool Paint(platform::Surface& dc, int left, int top, int right, int bottom) override;
  RECT OnPenDown(int x, int y) override;
  RECT OnPenMove(int x, int y) override;
  // Children first. Then, outside the button list: a row without a stored contact offers to
  // create one in the platform's editor; otherwise a tap outside contact_description_box opens
  // the options menu.
  RECT OnPenUp(int x, int y) override;
  // The left arrow goes back to the list screen; other keys go to the children.
  RECT OnKey(uint32_t virtual_key, char16_t character) override;
  bool OnTimer(uintptr_t timer_id) override;
  // Saves the note when it was changed and hides its box (unless the panel is showing it
  // now); a panel hidden by a transition also ends its pause and forgets its contact.
  void OnTransitionStart() override;

  // The contact's note in the note box, flipped in over the screen, with the focus. A
  // contact deleted meanwhile brings the list back instead.
  void ShowNote();
  bool NoteShown() const;
  TextInputControl& NoteBox() const { return *note_box_; }

  // The options menu: slides down; slides up (also right after SetContact hid it, so that
  // it leaves visibly; only for a menu that was open); disappears at once.
  void OpenOptionsMenu();
  void CloseOptionsMenu();
  void HideOptionsMenu();
  bool OptionsMenuOpen() const;

  // The fade shown before the platform's editor, viewer, chooser, dialler or mail program
  // takes over the screen.
  void FadeBeforePlatform() override;
  // Keeps the faded screen for kReturnPauseMs, then goes back to the list with the slide.
  void StartReturnPause() override;
  bool ReturnPausePending() const { return return_pending_; }

  // The store item of the contact shown. When there is none (no stored contact, no store, or
  // the contact was deleted meanwhile) the options menu disappears, the list screen comes
  // back and null returns.
  std::unique_ptr<platform::pim::PimItem> StoreItemOrLeave();

  // A row that stands for a stored contact (object id neither "none" nor 0).
  static bool IsStoredContact(const ContactListItem& contact);

  ContactListItem* Contact() const { return contact_; }
  // The contact list whose records this screen shows (null when none exists).
  ContactSmartListControl* ContactList() const;
  platform::ui::HWND HostWindow() const { return host_window_; }
  bool HasPicture() const { return has_picture_; }
  PictureState Picture() const;
  ButtonSmartListControl& ButtonList() const { return *button_list_; }
  BorderPanel& OptionsMenu() const { return *options_menu_; }
  CloseButton& BackButton() const { return *back_button_; }
  uintptr_t PauseTimerId() const { return reinterpret_cast<uintptr_t>(this); }

 private:
  void BuildOptionsMenu();
  void LoadPicture();
  void FillButtons();
  void ApplyButtonTheme();
  void PaintPicture(platform::Surface& dc);

  platform::ui::HWND host_window_;
  ContactListItem* contact_ = nullptr;  // not owned; see the file comment
  std::unique_ptr<theme::Image> picture_;
  bool has_picture_ = false;
  CloseButton* back_button_;             // child
  TextInputControl* note_box_;           // child
  BorderPanel* options_menu_;            // child
  ButtonSmartListControl* button_list_;  // child
  RelativeButton* picture_button_;       // in the options menu
  RelativeButton* favorite_button_;      // in the options menu
  // The long-press actions of the call buttons (a button does not own those).
  std::vector<std::unique_ptr<Action>> long_press_actions_;
  bool return_pending_ = false;
  bool showing_note_ = false;
};
