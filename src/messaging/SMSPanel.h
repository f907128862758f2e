// SMSPanel: the conversation screen for one contact and one of its numbers. A header with the
// contact's name, the number's label, the character counter and the signal gauge; the SMS
// exchanged with the contact as bubbles (a VariableSmartListControl, newest at the bottom),
// filled by a loading thread; a text box with a send button that sends when held (a tap does
// nothing); a back button; for a sender who is not a stored contact, a button that adds them.
// A tap on the header opens the header menu (numbers, calls, delete the conversation, the soft
// keyboard), a tap on a bubble the SMS menu.
//
// Children in input order: back button, add-contact button, send button, text box, list.
//
// Loading: each SetContact starts a thread that reads the conversation into the list under
// the list's lock, re-sorting it whenever a row added items, and posts repaints to the main window.
// A load belongs to one showing of one contact: a newer SetContact or hiding the screen makes the
// older load stop at its next row (the generation it was started with no longer matches).
// The screen waits for a stopped load to end before starting the next one or dying.
//
// The counter runs on a 500 ms timer (id kCounterTimerId) while the screen is shown.
// UI thread only, except the loading thread's notification.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

#include "contacts/PhoneEntry.h"
#include "mapi/MAPIEntry.h"
#include "messaging/SmsSending.h"
#include "platform/ui/Window.h"
#include "toolkit/Action.h"
#include "toolkit/ContainerPanel.h"

class Button;
class CloseButton;
class ContactListItem;
class SMSMessage;
class TextInputControl;
class VariableSmartListControl;

class SMSPanel : public ContainerPanel {
 public:
  static constexpr uintptr_t kCounterTimerId = 655555;
  static constexpr uint32_t kCounterPeriodMs = 500;
  // Posted to the host window when a send on the worker thread has its answer; the window
  // procedure calls OnSendFinished.
  static constexpr uint32_t kMsgSmsSent = 2025;
  // Width of the send button, right of the text box.
  static constexpr int kSendButtonWidth = 40;

  SMSPanel(platform::ui::HWND host_window, const RECT& initial_rect);
  ~SMSPanel() override;

  // Shows the conversation with `contact` (nothing for null) for sending to `number`: the text
  // box is emptied for a different contact, the list emptied and the load started.
  void SetContact(ContactListItem* contact, const PhoneEntry& number);
  // The number the next SMS goes to; the header shows its label.
  void SetNumber(const PhoneEntry& number);
  // Puts `text` in the text box (a draft handed over by a link); the counter follows.
  void SetDraft(const std::u16string& text);

  void Resize(const RECT& client) override;
  bool Paint(platform::Surface& dc, int left, int top, int right, int bottom) override;
  // Children first; a tap on the header opens the header menu.
  RECT OnPenUp(int x, int y) override;
  // A typed character goes into an empty text box; the box gets the focus.
  RECT OnKey(uint32_t virtual_key, char16_t character) override;
  // The counter timer: the counter text from the box's text, the header repainted.
  bool OnTimer(uintptr_t timer_id) override;
  void OnTransitionStart() override;
  void OnTransitionEnd() override;

  // Sends the box's text to the current number (nothing for an empty box): unread bubbles
  // become read, the result joins the list at the end; the box is emptied unless it failed.
  // Where a send may take seconds (a modem), it runs on a worker thread: a sending bubble
  // joins the list and the box empties at once; the answer (OnSendFinished) turns the bubble
  // into the sent SMS, or the failure item with the text back in the box if it is still
  // empty. While a send is pending, sending does nothing.
  void Send();
  // The worker's send has its answer (posted as kMsgSmsSent).
  void OnSendFinished();
  bool SendPending() const { return sending_ != nullptr; }
  // Puts the text of `sms` back into the box, replacing what was typed (for a failed send,
  // the text that did not go).
  void PutBack(const SMSMessage& sms);
  // Deletes the bubble and its stored SMS (a local failure item has none).
  void DeleteMessage(SMSMessage& sms);
  // Asks, then deletes every SMS of the contact in the store and every bubble.
  void DeleteConversation();
  // Toggles the read state of a bubble; its height is measured again.
  void ToggleRead(SMSMessage& sms);
  // An SMS that has just arrived from `sender`: when it belongs to the contact shown, it
  // joins the list at the end with its stored read state (unless the load put it there
  // already) and the list scrolls to it. The counts are the arrival's business. Returns
  // whether it joined.
  bool AddArrivedSms(const CMAPIEntry& entry, std::u16string_view sender);
  // The pop-up menus.
  void OpenHeaderMenu();
  void OpenSmsMenu(SMSMessage& sms);
  // The add-contact button: the platform's editor on the sender, then the screen again.
  void AddSenderAsContact();

  // The value the gauge shows: "Signal Strength Raw" clamped to 0..100 (missing: 0).
  static int SignalValue();

  ContactListItem* Contact() const { return contact_; }
  const PhoneEntry& Number() const { return number_; }
  VariableSmartListControl& List() const { return *list_; }
  TextInputControl& TextBox() const { return *text_box_; }
  Button& SendButton() const { return *send_button_; }
  Button& AddContactButton() const { return *add_contact_button_; }
  CloseButton& BackButton() const { return *back_button_; }
  const std::u16string& CounterText() const { return counter_text_; }
  bool Loading() const { return loading_.load(); }
  platform::ui::HWND HostWindow() const { return host_window_; }

  // For the loading thread: whether a load started with `generation` is still wanted.
  bool LoadWanted(uint64_t generation) const { return generation_.load() == generation; }
  // For the loading thread: the list was re-sorted; the next paint scrolls it to the end.
  // True when such a paint was already asked for and has not happened yet.
  bool RequestScrollToEnd() { return scroll_to_end_.exchange(true); }

 private:
  // Makes any running load stop and waits for it.
  void StopLoading();
  void StartLoading();
  void PlaceList();
  void UpdateCounter();
  void PaintHeader(platform::Surface& dc, const RECT& area);
  void PaintSignal(platform::Surface& dc);

  platform::ui::HWND host_window_;
  ContactListItem* contact_ = nullptr;  // not owned: a row of the contact list
  // The contact shown last, only compared (it may be gone): its typed text is kept.
  const ContactListItem* last_contact_ = nullptr;
  PhoneEntry number_;
  std::u16string counter_text_;
  CloseButton* back_button_;        // child
  Button* add_contact_button_;      // child
  Button* send_button_;             // child
  TextInputControl* text_box_;      // child
  VariableSmartListControl* list_;  // child
  // The send button's long-press action (a button does not own that one).
  std::unique_ptr<Action> send_action_;

  std::atomic<uint64_t> generation_{0};
  std::atomic<bool> loading_{false};
  std::atomic<bool> scroll_to_end_{false};
  std::thread loader_;

  // The send on the worker thread: its bubble (in list_ unless a new contact emptied it; only
  // compared), what it sends, and the answer the worker leaves for the UI thread.
  struct PendingSend {
    std::u16string recipient_name;
    std::u16string number;
    std::u16string text;
  };
  const SMSMessage* sending_ = nullptr;
  PendingSend pending_;
  std::mutex send_mutex_;
  std::optional<SmsSendOutcome> send_outcome_;  // under send_mutex_
  std::thread sender_;
};
