#include "messaging/SMSPanel.h"

#include <algorithm>
#include <cstdio>
#include <cwctype>
#include <mutex>
#include <vector>

#include "contacts/ContactListItem.h"
#include "contacts/ContactSmartListControl.h"
#include "contacts/PhoneLabel.h"
#include "contacts/PhoneNumberMatch.h"
#include "contacts/SmsContactListItem.h"
#include "mapi/MAPIMessage.h"
#include "mapi/MAPISession.h"
#include "messaging/ChangeCurrentPhoneNumberAction.h"
#include "messaging/EditSmsContactAction.h"
#include "messaging/LoadConversation.h"
#include "messaging/RefreshProgressNotification.h"
#include "messaging/SMSMessage.h"
#include "messaging/SendSMSAction.h"
#include "messaging/SimpleMoveToBackAction.h"
#include "messaging/SmsCounter.h"
#include "messaging/SmsDeleteAction.h"
#include "messaging/SmsDeleteAllAction.h"
#include "messaging/SmsResendAction.h"
#include "messaging/SmsSending.h"
#include "messaging/SmsToggleReadAction.h"
#include "messaging/VariableSmartListControl.h"
#include "platform/Clock.h"
#include "platform/DebugChannel.h"
#include "platform/Messages.h"
#include "platform/PhoneState.h"
#include "platform/msgstore/MapiDefs.h"
#include "platform/registry/Registry.h"
#include "platform/sms/SmsService.h"
#include "platform/ui/WindowApi.h"
#include "theme/LanguageText.h"
#include "theme/SettingManager.h"
#include "toolkit/Button.h"
#include "toolkit/CallAction.h"
#include "toolkit/CloseButton.h"
#include "toolkit/DisableSipAction.h"
#include "toolkit/PopupMenu.h"
#include "toolkit/ShowSipAction.h"
#include "toolkit/SoftInputPanel.h"
#include "toolkit/SwitchSipAction.h"
#include "toolkit/TextInputControl.h"

namespace {

namespace ui = platform::ui;

// Whether `sms` is still a row of `list` (a menu may outlive the row it was opened for).
bool Holds(VariableSmartListControl& list, const SMSMessage& sms) {
  std::lock_guard lock(list.ListLock());
  for (size_t i = 0; i < list.GetItemCount(); ++i) {
    if (list.GetItem(i) == &sms) return true;
  }
  return false;
}

}  // namespace

SMSPanel::SMSPanel(ui::HWND host_window, const RECT& initial_rect)
    : ContainerPanel(initial_rect), host_window_(host_window) {
  const theme::SettingManager& settings = theme::Settings();
  back_button_ = AddChild(std::make_unique<CloseButton>(host_window));
  back_button_->SetClickAction(std::make_unique<SimpleMoveToBackAction>());
  add_contact_button_ = AddChild(std::make_unique<Button>(
      host_window, RECT{}, settings.txt_AddToMyContacts, settings.small_button_image.get(),
      settings.small_button_image_pressed.get()));
  add_contact_button_->SetClickAction(std::make_unique<EditSmsContactAction>(*this));
  add_contact_button_->visible = false;
  send_button_ = AddChild(std::make_unique<Button>(host_window, RECT{}, settings.txt_SendSms,
                                                   settings.small_button_image.get(),
                                                   settings.small_button_image_pressed.get()));
  send_action_ = std::make_unique<SendSMSAction>(*this);
  send_button_->SetLongPressAction(send_action_.get());
  text_box_ = AddChild(std::make_unique<TextInputControl>(host_window, initial_rect.left,
                                                          initial_rect.top, initial_rect.right,
                                                          initial_rect.bottom, 0, nullptr));
  text_box_->SetLimit(kSmsTextLimit);
  list_ = AddChild(std::make_unique<VariableSmartListControl>(host_window, initial_rect));
  list_->SetPanel(this);
}

SMSPanel::~SMSPanel() {
  StopLoading();
  if (sender_.joinable()) sender_.join();
  ui::KillTimer(host_window_, kCounterTimerId);
}

void SMSPanel::StopLoading() {
  ++generation_;
  if (loader_.joinable()) loader_.join();
  loading_ = false;
}

void SMSPanel::StartLoading() {
  StopLoading();
  const uint64_t generation = generation_.load();
  loading_ = true;
  ContactListItem* contact = contact_;
  loader_ = std::thread([this, contact, generation] {
    RefreshProgressNotification progress(*this, generation);
    LoadConversation(*contact, *list_, &progress);
    if (!LoadWanted(generation)) return;
    list_->SetEmptyText(theme::Settings().txt_SMSNoPreviousConversation);
    RequestScrollToEnd();
    loading_ = false;
    ui::PostMessage(host_window_, kMsgRepaint, 0, 0);
  });
}

void SMSPanel::SetContact(ContactListItem* contact, const PhoneEntry& number) {
  if (!contact) return;
  StopLoading();
  if (contact != last_contact_) text_box_->SetText(u"");
  number_ = number;
  contact_ = contact;
  last_contact_ = contact;
  list_->DeleteAllItems();
  list_->SetSelectedIndex(-1);
  list_->SetScrollOffset(SmartListControl::kScrollToEnd);
  list_->SetEmptyText(theme::Settings().txt_SMSLoadingPreviousConversation);
  auto* pseudo = dynamic_cast<SmsContactListItem*>(contact);
  add_contact_button_->visible =
      pseudo && pseudo->object_id == ContactListItem::kNoObjectId && !number.number.empty();
  PlaceList();
  StartLoading();
  ui::InvalidateRect(host_window_, &rect);
}

void SMSPanel::SetDraft(const std::u16string& text) {
  text_box_->SetText(text);
  UpdateCounter();
  ui::InvalidateRect(host_window_, &rect);
}

void SMSPanel::SetNumber(const PhoneEntry& number) {
  number_ = number;
  ui::InvalidateRect(host_window_, nullptr);
}

// The list spans from below the header (and the add-contact button) down to the text box.
void SMSPanel::PlaceList() {
  const theme::SettingManager& settings = theme::Settings();
  const int header_bottom = settings.sms_header_box.bottom;
  add_contact_button_->rect =
      RECT{rect.left, header_bottom, rect.right, header_bottom + settings.large_button_height};
  const int top = add_contact_button_->visible ? add_contact_button_->rect.bottom : header_bottom;
  list_->rect = RECT{rect.left, top, rect.right,
                     std::max<int>(top, rect.bottom - settings.sms_textbox_height -
                                            settings.sms_textbox_separator_height)};
  list_->InvalidateContentHeight();
  list_->ForceFullPaint();
}

void SMSPanel::Resize(const RECT& client) {
  ContainerPanel::Resize(client);
  rect = client;
  const theme::SettingManager& settings = theme::Settings();
  PlaceList();
  // Heights depend on the fonts and the width: every bubble is measured again.
  {
    std::lock_guard lock(list_->ListLock());
    for (size_t i = 0; i < list_->GetItemCount(); ++i) list_->GetItem(i)->height = -1;
    list_->InvalidateContentHeight();
  }
  text_box_->SetBackgroundImage(settings.sms_background_image.get());
  text_box_->Resize(RECT{client.left, client.bottom - settings.sms_textbox_height,
                         client.right - kSendButtonWidth, client.bottom});
  send_button_->rect =
      RECT{client.right - kSendButtonWidth, text_box_->rect.top, client.right, client.bottom};
  send_button_->SetImages(settings.small_button_image.get(),
                          settings.small_button_image_pressed.get());
  send_button_->text = settings.txt_SendSms;
  add_contact_button_->SetImages(settings.small_button_image.get(),
                                 settings.small_button_image_pressed.get());
  add_contact_button_->text = settings.txt_AddToMyContacts;
  list_->SetScrollOffset(SmartListControl::kScrollToEnd);
  list_->SetSelectedIndex(-1);
  list_->SetBackgroundColor(settings.background_color);
  list_->SetBackgroundImage(settings.sms_background_image.get());
  ui::InvalidateRect(host_window_, &client);
}

int SMSPanel::SignalValue() {
  const auto value = platform::ReadRegistryDword(
      platform::HKEY_LOCAL_MACHINE, platform::kPhoneStateKey, platform::kSignalStrengthValue);
  // Other programs write the value: anything outside a percentage is clamped.
  return static_cast<int>(std::min<uint32_t>(value.value_or(0), 100));
}

bool SMSPanel::Paint(platform::Surface& dc, int left, int top, int right, int bottom) {
  const theme::SettingManager& settings = theme::Settings();
  if (scroll_to_end_.exchange(false)) list_->SetScrollOffset(SmartListControl::kScrollToEnd);
  const RECT area = IntersectRect(rect, RECT{left, top, right, bottom});
  dc.PushClip(area);
  if (settings.sms_background_image) {
    // The list draws the image behind its rows itself; only the rows' part is left out.
    const int content = list_->GetContentHeight();
    const int covered_top = std::max<int>(list_->rect.top, list_->rect.bottom - content);
    dc.ExcludeClip(RECT{list_->rect.left, covered_top, list_->rect.right, list_->rect.bottom});
    settings.sms_background_image->DrawImageAt(dc, 0, 0);
  } else {
    dc.FillRect(RECT{rect.left, list_->rect.bottom, rect.right, rect.bottom},
                settings.background_color);
    if (add_contact_button_->visible)
      dc.FillRect(add_contact_button_->rect, settings.background_color);
    dc.FillRect(RECT{rect.left, rect.top, rect.right, settings.sms_header_box.bottom},
                settings.background_color);
  }
  dc.PopClip();
  dc.PushClip(area);
  PaintHeader(dc, area);
  dc.PopClip();
  return ContainerPanel::Paint(dc, left, top, right, bottom);
}

void SMSPanel::PaintHeader(platform::Surface& dc, const RECT& area) {
  const theme::SettingManager& settings = theme::Settings();
  const RECT& box = settings.sms_header_box;
  if (contact_) {
    RECT name = box;
    dc.DrawText(contact_->display_name, name,
                DT_CENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS,
                settings.contact_font_header, settings.text_color);
  }
  RECT lower{box.left, box.top, box.right, box.bottom - settings.sms_header_list_distance};
  RECT label = lower;
  dc.DrawText(PhoneLabelText(number_), label, DT_CENTER | DT_BOTTOM | DT_SINGLELINE | DT_NOPREFIX,
              settings.contact_font_secondline, settings.text_color);
  RECT counter = lower;
  dc.DrawText(counter_text_, counter, DT_RIGHT | DT_BOTTOM | DT_SINGLELINE | DT_NOPREFIX,
              settings.index_font, settings.text_color);
  if (area.top < box.bottom) PaintSignal(dc);
}

void SMSPanel::PaintSignal(platform::Surface& dc) {
  const theme::SettingManager& settings = theme::Settings();
  const RECT& box = settings.sms_signal_strength_box;
  const int value = SignalValue();
  if (!settings.sms_signal_image) {
    dc.FillRect(box, settings.text_color);
    const RECT inner{box.left + 1, box.top + 1, box.right - 1, box.bottom - 1};
    dc.FillRect(inner, settings.background_color);
    const int width = std::max(0, RectWidth(box) - 2) * value / 100;
    dc.FillRect(RECT{inner.left, inner.top, inner.left + width, inner.bottom}, settings.text_color);
    return;
  }
  const theme::Image& image = *settings.sms_signal_image;
  const int width = image.Width() * value / 100;
  if (settings.sms_background_image) {
    settings.sms_background_image->DrawImagePart(dc, box, 0, 0);
  } else {
    dc.FillRect(box, settings.background_color);
  }
  image.DrawImagePart(dc, RECT{0, 0, width, image.Height()}, box.left, box.top);
}

RECT SMSPanel::OnPenUp(int x, int y) {
  const RECT result = ContainerPanel::OnPenUp(x, y);
  if (result.right > 0 || !visible || !contact_) return result;
  if (y < theme::Settings().sms_header_box.bottom) {
    OpenHeaderMenu();
    return rect;
  }
  return result;
}

RECT SMSPanel::OnKey(uint32_t virtual_key, char16_t character) {
  if (character != 0 && std::iswprint(static_cast<wint_t>(character))) {
    if (text_box_->GetText().empty()) text_box_->SetText(std::u16string(1, character));
    text_box_->Focus();
  }
  return ContainerPanel::OnKey(virtual_key, character);
}

bool SMSPanel::OnTimer(uintptr_t timer_id) {
  if (timer_id != kCounterTimerId) return ContainerPanel::OnTimer(timer_id);
  UpdateCounter();
  return true;
}

void SMSPanel::UpdateCounter() {
  std::u16string text = SmsCounterText(text_box_->GetText());
  if (text == counter_text_) return;
  counter_text_ = std::move(text);
  ui::InvalidateRect(host_window_, &theme::Settings().sms_header_box);
}

void SMSPanel::OnTransitionStart() {
  ContainerPanel::OnTransitionStart();
  if (visible) return;
  StopLoading();
  contact_ = nullptr;
  text_box_->SetActive(false);
  ui::KillTimer(host_window_, kCounterTimerId);
}

void SMSPanel::OnTransitionEnd() {
  ContainerPanel::OnTransitionEnd();
  text_box_->SetActive(visible);
  if (visible) {
    UpdateCounter();
    ui::SetTimer(host_window_, kCounterTimerId, kCounterPeriodMs);
  } else {
    HideInputPanel(host_window_);
    ui::KillTimer(host_window_, kCounterTimerId);
  }
}

namespace {

// The "sms" debug channel: when a send that may block starts and when its answer is taken.
void TraceSend(const char* what) {
  static const bool on = platform::DebugChannelOn("sms");
  if (on) std::fprintf(stderr, "quillbook: sms send %s %.3f\n", what, platform::Clock::TraceMs());
}

}  // namespace

void SMSPanel::Send() {
  if (sending_) return;
  const std::u16string text = text_box_->GetText();
  if (text.empty()) return;
  std::unique_ptr<SMSMessage> item;
  if (platform::sms::SmsSendMayBlock()) {
    item = std::make_unique<SMSMessage>();
    item->outgoing = true;
    item->sending = true;
    item->text = text;
    item->time = platform::msgstore::FileTimeFromUnixSeconds(platform::Clock::UnixSeconds());
    sending_ = item.get();
    TraceSend("started");
    pending_ = {contact_ ? contact_->display_name : std::u16string(), number_.number, text};
    if (sender_.joinable()) sender_.join();
    sender_ = std::thread([this, number = pending_.number, text] {
      SmsSendOutcome outcome = SubmitSms(number, text);
      {
        std::lock_guard lock(send_mutex_);
        send_outcome_ = std::move(outcome);
      }
      ui::PostMessage(host_window_, kMsgSmsSent, 0, 0);
    });
  } else {
    item = SendSms(contact_, text, number_.number);
  }
  const bool failed = item->send_failed;
  // Answering counts as having read the conversation.
  std::vector<SMSMessage*> unread;
  {
    std::lock_guard lock(list_->ListLock());
    for (size_t i = 0; i < list_->GetItemCount(); ++i) {
      auto* sms = dynamic_cast<SMSMessage*>(list_->GetItem(i));
      if (sms && !sms->read) unread.push_back(sms);
    }
  }
  for (SMSMessage* sms : unread) ToggleRead(*sms);
  {
    std::lock_guard lock(list_->ListLock());
    list_->AddItem(std::move(item));
    list_->SetSelectedIndex(-1);
    list_->ForceFullPaint();
  }
  list_->SetScrollOffset(SmartListControl::kScrollToEnd);
  if (!failed) text_box_->SetText(u"");
  UpdateCounter();
  ui::InvalidateRect(host_window_, &rect);
}

void SMSPanel::OnSendFinished() {
  std::optional<SmsSendOutcome> outcome;
  {
    std::lock_guard lock(send_mutex_);
    outcome.swap(send_outcome_);
  }
  if (!outcome || !sending_) return;
  if (sender_.joinable()) sender_.join();
  TraceSend("finished");
  // The Sent copy is filed whatever the screen shows now: the SMS went.
  std::unique_ptr<SMSMessage> item =
      FinishSend(pending_.recipient_name, pending_.text, pending_.number, *outcome);
  const SMSMessage* bubble = sending_;
  sending_ = nullptr;
  bool shown = false;
  {
    std::lock_guard lock(list_->ListLock());
    for (size_t i = 0; i < list_->GetItemCount() && !shown; ++i) {
      shown = list_->GetItem(i) == bubble;
    }
  }
  if (!shown) return;  // another conversation is open now
  std::unique_ptr<IListItem> old = list_->RemoveItem(const_cast<SMSMessage*>(bubble));
  const bool failed = item->send_failed;
  {
    std::lock_guard lock(list_->ListLock());
    list_->AddItem(std::move(item));
    list_->ForceFullPaint();
  }
  list_->SetScrollOffset(SmartListControl::kScrollToEnd);
  if (failed && text_box_->GetText().empty()) text_box_->SetText(pending_.text);
  UpdateCounter();
  ui::InvalidateRect(host_window_, &rect);
}

void SMSPanel::PutBack(const SMSMessage& sms) {
  if (!Holds(*list_, sms)) return;
  text_box_->SetText(sms.send_failed ? sms.unsent_text : sms.text);
  UpdateCounter();
  ui::InvalidateRect(host_window_, &rect);
}

void SMSPanel::ToggleRead(SMSMessage& sms) {
  if (!Holds(*list_, sms)) return;
  // A local item (just sent, or a failure) has no stored copy to mark.
  if (IsUsableEntryId(sms.entry)) {
    SetRead(sms, !sms.read);
  }
  std::lock_guard lock(list_->ListLock());
  sms.height = -1;
  list_->InvalidateContentHeight();
  list_->ForceFullPaint();
  ui::InvalidateRect(host_window_, nullptr);
}

void SMSPanel::DeleteMessage(SMSMessage& sms) {
  if (!Holds(*list_, sms)) return;
  std::unique_ptr<IListItem> row = list_->RemoveItem(&sms);
  // A failure item was never stored: there is nothing else to delete.
  if (!sms.send_failed && IsUsableEntryId(sms.entry)) DeleteFromStore(sms);
  list_->SetSelectedIndex(-1);
  list_->ForceFullPaint();
  list_->SetScrollOffset(list_->ScrollOffset());
  ui::InvalidateRect(host_window_, nullptr);
}

void SMSPanel::DeleteConversation() {
  if (ui::MessageBox(host_window_,
                     u"Are you sure you want to remove all the message for this contact?", u"Sure?",
                     MB_YESNO) != IDYES) {
    return;
  }
  StopLoading();
  // The list holds at most the newest SMS: the store is walked for all of them.
  if (contact_) DeleteConversationFromStore(*contact_);
  {
    std::lock_guard lock(list_->ListLock());
    // A bubble the walk did not reach (its Sent copy went to a number the contact no longer
    // has) still takes its stored SMS along; a failure item has none.
    for (size_t i = 0; i < list_->GetItemCount(); ++i) {
      auto* sms = dynamic_cast<SMSMessage*>(list_->GetItem(i));
      if (sms && !sms->send_failed && IsUsableEntryId(sms->entry)) DeleteFromStore(*sms);
    }
    list_->DeleteAllItems();
    list_->SetEmptyText(theme::Settings().txt_SMSNoPreviousConversation);
  }
  list_->SetScrollOffset(SmartListControl::kScrollToEnd);
  ui::InvalidateRect(host_window_, nullptr);
}

bool SMSPanel::AddArrivedSms(const CMAPIEntry& entry, std::u16string_view sender) {
  if (!visible || !contact_ || !IsUsableEntryId(entry)) return false;
  const bool pseudo = dynamic_cast<SmsContactListItem*>(contact_) != nullptr;
  if (!MatchesNumber(*contact_, sender, pseudo)) return false;
  CMAPISession session;
  if (!session.Logon()) return false;
  std::unique_ptr<CMAPIMessage> message = session.OpenEntry(entry);
  if (!message) return false;
  auto item = std::make_unique<SMSMessage>(contact_, *message, entry, false);
  message.reset();
  {
    std::lock_guard lock(list_->ListLock());
    if (HoldsReceivedSms(*list_, entry)) return false;
    list_->AddItem(std::move(item));
  }
  // A load still running sorts as it goes; an arrival is the newest SMS anyway.
  list_->SortByTime();
  list_->SetScrollOffset(SmartListControl::kScrollToEnd);
  ui::InvalidateRect(host_window_, &rect);
  return true;
}

void SMSPanel::AddSenderAsContact() {
  if (!contact_) return;
  if (ContactSmartListControl* list = ContactSmartListControl::Current()) {
    contact_->EditInPlatform(*list, host_window_);
  }
  ContactListItem* contact = contact_;
  const PhoneEntry number = number_;
  SetContact(contact, number);
}

void SMSPanel::OpenHeaderMenu() {
  std::vector<MenuEntry> numbers;
  for (const PhoneEntry& entry : contact_->phones) {
    numbers.emplace_back(PhoneLabelText(entry),
                         std::make_shared<ChangeCurrentPhoneNumberAction>(*this, entry));
  }
  std::vector<MenuEntry> calls;
  for (const PhoneEntry& entry : contact_->phones) {
    calls.emplace_back(PhoneLabelText(entry),
                       std::make_shared<CallAction>(nullptr, entry.number, contact_->display_name));
  }
  std::vector<MenuEntry> sips;
  sips.emplace_back(u"No SIP", std::make_shared<DisableSipAction>());
  for (const auto& method : InstalledInputMethods()) {
    sips.emplace_back(method.name, std::make_shared<SwitchSipAction>(method.clsid));
  }
  std::vector<MenuEntry> entries;
  if (!numbers.empty()) {
    entries.emplace_back(u"Choose Phone Number", std::move(numbers));
    entries.emplace_back(u"Call Number", std::move(calls));
  }
  entries.emplace_back(u"Delete conversation", std::make_shared<SmsDeleteAllAction>(*this));
  entries.emplace_back(u"Choose SIP", std::move(sips));
  entries.emplace_back(u"Show SIP", std::make_shared<ShowSipAction>());
  entries.emplace_back(u"Cancel", std::shared_ptr<Action>());
  ShowPopupMenu(*this, entries);
}

void SMSPanel::OpenSmsMenu(SMSMessage& sms) {
  std::vector<MenuEntry> entries;
  entries.emplace_back(sms.read ? u"Mark as unread" : u"Mark as read",
                       std::make_shared<SmsToggleReadAction>(*this, sms));
  entries.emplace_back(u"Delete this msg", std::make_shared<SmsDeleteAction>(*this, sms));
  entries.emplace_back(u"Delete Conversation", std::make_shared<SmsDeleteAllAction>(*this));
  entries.emplace_back(u"Resend", std::make_shared<SmsResendAction>(*this, sms));
  entries.emplace_back(theme::Settings().txt_Cancel, std::shared_ptr<Action>());
  ShowPopupMenu(*this, entries);
}
