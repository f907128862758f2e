#include "screens/ContactDetailPanel.h"

#include <algorithm>
#include <array>

#include "contacts/ContactListItem.h"
#include "contacts/ContactNote.h"
#include "contacts/ContactPictureFile.h"
#include "contacts/ContactRowNavigation.h"
#include "contacts/ContactSmartListControl.h"
#include "contacts/PhoneLabel.h"
#include "contacts/PhoneNumberMatch.h"
#include "contacts/ScreenNavigation.h"
#include "platform/Messages.h"
#include "platform/pim/PimApplication.h"
#include "platform/pim/PimItem.h"
#include "platform/ui/WindowApi.h"
#include "screens/CancelAction.h"
#include "screens/EditBeforeCallAction.h"
#include "screens/EditContactAction.h"
#include "screens/FavoriteToggleAction.h"
#include "screens/MailAction.h"
#include "screens/MoveToBackAction.h"
#include "screens/RemoveContactAction.h"
#include "screens/SMSAction.h"
#include "screens/SetPictureAction.h"
#include "screens/ViewContactAction.h"
#include "theme/LanguageText.h"
#include "theme/SettingManager.h"
#include "toolkit/BorderPanel.h"
#include "toolkit/Button.h"
#include "toolkit/ButtonSmartListControl.h"
#include "toolkit/CloseButton.h"
#include "toolkit/FadeScreen.h"
#include "toolkit/RelativeButton.h"
#include "toolkit/TextInputControl.h"

namespace {

namespace ui = platform::ui;

// The answer to an event swallowed without anything to repaint.
constexpr RECT kSwallowed{0, 0, 1, 1};

bool ColorSet(COLORREF color) {
  return color != kInvalidColor;
}

// The options menu's labels from top to bottom; the picture and favourite entries show these
// until a contact says which of their two texts applies.
std::array<const std::u16string*, 6> MenuLabels() {
  const theme::SettingManager& settings = theme::Settings();
  return {&settings.txt_ViewContact,   &settings.txt_EditContact,   &settings.txt_SetPicture,
          &settings.txt_SetAsFavorite, &settings.txt_RemoveContact, &settings.txt_Cancel};
}

std::unique_ptr<Button> MakeListButton(ui::HWND host, std::u16string caption) {
  const theme::SettingManager& settings = theme::Settings();
  return std::make_unique<Button>(host, std::move(caption), settings.large_button_image.get(),
                                  settings.large_button_image_pressed.get());
}

}  // namespace

ContactDetailPanel::ContactDetailPanel(ui::HWND host_window, const RECT& initial_rect)
    : ContainerPanel(initial_rect), host_window_(host_window) {
  back_button_ = AddChild(std::make_unique<CloseButton>(host_window));
  back_button_->SetClickAction(std::make_unique<MoveToBackAction>(*this));
  note_box_ = AddChild(std::make_unique<TextInputControl>(host_window, initial_rect.left,
                                                          initial_rect.top, initial_rect.right,
                                                          initial_rect.bottom, 0, nullptr));
  note_box_->SetLimit(MaxContactNoteUnits());
  note_box_->visible = false;
  options_menu_ = AddChild(std::make_unique<BorderPanel>(host_window, RECT{}));
  BuildOptionsMenu();
  button_list_ = AddChild(std::make_unique<ButtonSmartListControl>(
      host_window, theme::Settings().contact_button_list_box));
}

ContactDetailPanel::~ContactDetailPanel() {
  ui::KillTimer(host_window_, PauseTimerId());
  // The buttons go before the long-press actions they point to.
  button_list_->DeleteAllItems();
}

// One column of six buttons, labelled by MenuLabels() in the same order; their places are
// assigned by the menu's layout.
void ContactDetailPanel::BuildOptionsMenu() {
  const auto labels = MenuLabels();
  size_t next = 0;
  auto add = [this, &labels, &next](std::unique_ptr<Action> action) {
    auto button =
        std::make_unique<RelativeButton>(options_menu_, host_window_, RECT{}, *labels[next++]);
    button->SetClickAction(std::move(action));
    return options_menu_->AddChild(std::move(button));
  };
  add(std::make_unique<ViewContactAction>(*this));
  add(std::make_unique<EditContactAction>(*this));
  picture_button_ = add(std::make_unique<SetPictureAction>(*this));
  favorite_button_ = add(std::make_unique<FavoriteToggleAction>(*this));
  add(std::make_unique<RemoveContactAction>(*this));
  add(std::make_unique<CancelAction>(*this));
  options_menu_->visible = false;
}

void ContactDetailPanel::SetContact(ContactListItem* contact) {
  if (!contact) return;
  const theme::SettingManager& settings = theme::Settings();
  HideOptionsMenu();
  contact_ = contact;
  // Every label is taken again: a theme's settings may carry language texts.
  const auto labels = MenuLabels();
  for (size_t i = 0; i < labels.size(); ++i) {
    static_cast<Button*>(options_menu_->Child(i))->text = *labels[i];
  }
  favorite_button_->text =
      contact->favourite ? settings.txt_RemoveFromFavorite : settings.txt_SetAsFavorite;
  LoadPicture();
  picture_button_->text = has_picture_ ? settings.txt_RemovePicture : settings.txt_SetPicture;
  FillButtons();
  button_list_->SetScrollOffset(0);
  note_box_->SetLabel(theme::FormatText(settings.txt_NoteHeader, contact->display_name));
  ui::InvalidateRect(host_window_, &rect);
}

void ContactDetailPanel::LoadPicture() {
  picture_.reset();
  has_picture_ = false;
  ContactSmartListControl* list = ContactList();
  if (!list || !list->Store() || !IsStoredContact(*contact_)) return;
  const std::vector<uint8_t> bytes = ReadContactPictureBytes(*list->Store(), contact_->object_id);
  has_picture_ = !bytes.empty();
  const RECT& box = theme::Settings().contact_photo_box;
  theme::ThumbnailResult thumbnail = theme::LoadThumbnail(bytes, RectWidth(box), RectHeight(box));
  if (thumbnail.code == 0) picture_ = std::move(thumbnail.image);
}

void ContactDetailPanel::FillButtons() {
  const theme::SettingManager& settings = theme::Settings();
  button_list_->DeleteAllItems();
  long_press_actions_.clear();
  // The phone list is in reverse priority order and each button goes to the front, so the
  // list starts with the preferred number's call button, then its SMS button.
  for (const PhoneEntry& entry : contact_->phones) {
    if (IsSmsNumber(entry)) {
      auto sms = MakeListButton(host_window_, theme::FormatText(settings.txt_SMS, entry.number));
      sms->SetClickAction(std::make_unique<SMSAction>(*contact_, entry));
      button_list_->InsertItemFront(std::move(sms));
    }
    auto call = MakeListButton(host_window_, PhoneLabelText(entry));
    call->SetClickAction(std::make_unique<CallAction>(this, entry.number, contact_->display_name));
    long_press_actions_.push_back(std::make_unique<EditBeforeCallAction>(*contact_, entry));
    call->SetLongPressAction(long_press_actions_.back().get());
    button_list_->InsertItemFront(std::move(call));
  }
  for (const std::u16string* address : {&contact_->email1, &contact_->email2, &contact_->email3}) {
    if (address->empty()) continue;
    auto mail = MakeListButton(host_window_, theme::FormatText(settings.txt_SendMail, *address));
    mail->SetClickAction(std::make_unique<MailAction>(*this, *address, contact_->display_name));
    button_list_->AddItem(std::move(mail));
  }
}

void ContactDetailPanel::Resize(const RECT& client) {
  ContainerPanel::Resize(client);
  const theme::SettingManager& settings = theme::Settings();
  RECT box = settings.contact_button_list_box;
  box.bottom = std::min(box.bottom, client.bottom);
  button_list_->rect = box;
  button_list_->SetBackgroundImage(settings.background_image_detail.get());
  button_list_->SetBackgroundColor(settings.background_color);
  ApplyButtonTheme();
  // The note box covers the screen below a label area as high as the back button or the
  // title, whichever is taller.
  note_box_->SetLabelOffset(
      std::max(back_button_->rect.bottom, RectHeight(settings.contact_title_box)));
  note_box_->SetBackgroundImage(settings.sms_background_image.get());
  note_box_->Resize(client);
}

// A new theme releases the old button images and may change the button height.
void ContactDetailPanel::ApplyButtonTheme() {
  const theme::SettingManager& settings = theme::Settings();
  for (size_t i = 0; i < button_list_->GetItemCount(); ++i) {
    if (auto* button = dynamic_cast<Button*>(button_list_->GetItem(i))) {
      button->SetImages(settings.large_button_image.get(),
                        settings.large_button_image_pressed.get());
      button->height = settings.large_button_height;
    }
  }
  button_list_->InvalidateContentHeight();
  button_list_->SetScrollOffset(button_list_->ScrollOffset());
  button_list_->ForceFullPaint();
}

bool ContactDetailPanel::Paint(platform::Surface& dc, int left, int top, int right, int bottom) {
  const theme::SettingManager& settings = theme::Settings();
  const RECT area = IntersectRect(rect, RECT{left, top, right, bottom});
  dc.PushClip(area);
  dc.ExcludeClip(button_list_->rect);
  if (settings.background_image_detail) {
    settings.background_image_detail->DrawBackdrop(dc, area, settings.background_color);
  } else {
    dc.FillRect(area, settings.background_color);
  }
  dc.PopClip();
  if (contact_) {
    RECT title = settings.contact_title_box;
    dc.DrawText(contact_->display_name, title,
                DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS,
                settings.contact_font_header, settings.text_color);
    RECT description = settings.contact_description_box;
    dc.DrawText(contact_->detail, description, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX,
                settings.contact_detail_font, settings.text_color);
    PaintPicture(dc);
  }
  ContainerPanel::Paint(dc, left, top, right, bottom);
  // During the pause after a call the screen keeps the faded look it had when the dialler
  // took over.
  if (return_pending_) ::FadeScreen(area, dc, settings.fade_color);
  return true;
}

void ContactDetailPanel::PaintPicture(platform::Surface& dc) {
  const theme::SettingManager& settings = theme::Settings();
  const RECT& box = settings.contact_photo_box;
  const bool favourite = contact_->favourite;
  if (favourite && ColorSet(settings.contact_photo_favorite_border_color)) {
    dc.FillRect(InflateRect(box, 1, 1), settings.contact_photo_favorite_border_color);
  } else if (ColorSet(settings.contact_photo_border_color)) {
    dc.FillRect(InflateRect(box, 1, 1), settings.contact_photo_border_color);
  }
  if (ColorSet(settings.contact_photo_background_color)) {
    dc.FillRect(box, settings.contact_photo_background_color);
  }
  // A picture keeps its proportions, centred in the frame; the theme's default picture is
  // drawn into the frame as it comes.
  if (picture_) {
    picture_->DrawImageFit(dc, box);
  } else if (settings.default_contact_image) {
    settings.default_contact_image->DrawImage(dc, box);
  }
  if (favourite && settings.favorite_image) {
    const theme::Image& mark = *settings.favorite_image;
    mark.DrawImageAt(dc, box.right - mark.Width(), box.bottom - mark.Height());
  }
}

RECT ContactDetailPanel::OnPenDown(int x, int y) {
  if (return_pending_) return kSwallowed;
  return ContainerPanel::OnPenDown(x, y);
}

RECT ContactDetailPanel::OnPenMove(int x, int y) {
  if (return_pending_) return kSwallowed;
  return ContainerPanel::OnPenMove(x, y);
}

RECT ContactDetailPanel::OnPenUp(int x, int y) {
  if (return_pending_) return kSwallowed;
  const RECT result = ContainerPanel::OnPenUp(x, y);
  if (!contact_ || !visible || note_box_->visible || result.right > 0 ||
      y >= button_list_->rect.top) {
    return result;
  }
  if (!IsStoredContact(*contact_)) {
    // Nothing of the store to view, edit or note: offer to make it a contact instead.
    if (ui::MessageBox(host_window_, theme::kTextCreateContactForNumber, u"Quillbook", MB_YESNO) ==
        IDYES) {
      if (ContactSmartListControl* list = ContactList()) {
        contact_->EditInPlatform(*list, host_window_);
      }
      SetContact(contact_);
    }
    return rect;
  }
  if (PtInRect(theme::Settings().contact_description_box, POINT{x, y})) {
    ShowNote();
  } else if (options_menu_->visible) {
    CloseOptionsMenu();
  } else {
    OpenOptionsMenu();
  }
  return kEmptyRect;
}

void ContactDetailPanel::ShowNote() {
  ContactSmartListControl* list = ContactList();
  std::optional<std::u16string> note;
  if (contact_ && list && list->Store())
    note = ReadContactNote(*list->Store(), contact_->object_id);
  if (!note) {
    ScreenNavigation::ShowMainPanel(true);
    return;
  }
  note_box_->SetText(*note);
  note_box_->visible = true;
  showing_note_ = true;
  ScreenNavigation::FlipTransition(1);
  note_box_->SetActive(true);
  note_box_->Focus();
  showing_note_ = false;
}

bool ContactDetailPanel::NoteShown() const {
  return note_box_->visible;
}

RECT ContactDetailPanel::OnKey(uint32_t virtual_key, char16_t character) {
  if (return_pending_) return kSwallowed;
  if (virtual_key == VK_LEFT && character == 0) {
    ScreenNavigation::ShowMainPanel(true);
    return rect;
  }
  return ContainerPanel::OnKey(virtual_key, character);
}

bool ContactDetailPanel::OnTimer(uintptr_t timer_id) {
  if (timer_id != PauseTimerId()) return ContainerPanel::OnTimer(timer_id);
  ui::KillTimer(host_window_, PauseTimerId());
  if (return_pending_) {
    return_pending_ = false;
    ScreenNavigation::ShowMainPanel(true);
  }
  return true;
}

void ContactDetailPanel::OnTransitionStart() {
  ContainerPanel::OnTransitionStart();
  if (note_box_->visible && !showing_note_) {
    ContactSmartListControl* list = ContactList();
    // Only a changed note is written: an unchanged one may have been changed elsewhere
    // meanwhile. A contact deleted meanwhile keeps nothing.
    if (note_box_->IsModified() && contact_ && list && list->Store()) {
      WriteContactNote(*list->Store(), contact_->object_id, note_box_->GetText());
    }
    note_box_->SetActive(false);
    note_box_->visible = false;
    // Keys go to the screens again, not to the hidden edit box.
    if (ui::GetFocus() == note_box_->EditWindow()) ui::SetFocus(host_window_);
  }
  if (visible) return;
  ui::KillTimer(host_window_, PauseTimerId());
  return_pending_ = false;
  options_menu_->visible = false;
  contact_ = nullptr;
  picture_.reset();
  has_picture_ = false;
}

void ContactDetailPanel::OpenOptionsMenu() {
  options_menu_->Resize(rect);
  options_menu_->Open();
}

// The slide runs even when the menu was just hidden (SetContact hides it): what the user
// sees is the menu leaving.
void ContactDetailPanel::CloseOptionsMenu() {
  options_menu_->Close(0);
}

void ContactDetailPanel::HideOptionsMenu() {
  if (!options_menu_->visible) return;
  options_menu_->visible = false;
  ui::InvalidateRect(host_window_, &options_menu_->rect);
}

bool ContactDetailPanel::OptionsMenuOpen() const {
  return options_menu_->visible;
}

void ContactDetailPanel::FadeBeforePlatform() {
  ContactRowNavigation::FadeScreenBeforeEditor(host_window_);
}

void ContactDetailPanel::StartReturnPause() {
  return_pending_ = true;
  ui::SetTimer(host_window_, PauseTimerId(), kReturnPauseMs);
}

std::unique_ptr<platform::pim::PimItem> ContactDetailPanel::StoreItemOrLeave() {
  ContactSmartListControl* list = ContactList();
  std::unique_ptr<platform::pim::PimItem> item;
  if (contact_ && IsStoredContact(*contact_) && list && list->Store()) {
    item = list->Store()->GetItemFromOid(contact_->object_id);
  }
  if (!item) {
    HideOptionsMenu();
    ScreenNavigation::ShowMainPanel(true);
  }
  return item;
}

bool ContactDetailPanel::IsStoredContact(const ContactListItem& contact) {
  return contact.object_id != ContactListItem::kNoObjectId && contact.object_id != 0;
}

ContactSmartListControl* ContactDetailPanel::ContactList() const {
  return ContactSmartListControl::Current();
}

ContactDetailPanel::PictureState ContactDetailPanel::Picture() const {
  if (picture_) return PictureState::kContact;
  return theme::Settings().default_contact_image ? PictureState::kDefault : PictureState::kNone;
}
