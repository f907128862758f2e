#include "shell/SmsScreenDump.h"

#include <mutex>

#include "contacts/ContactListItem.h"
#include "contacts/PhoneLabel.h"
#include "messaging/SMSMessage.h"
#include "messaging/SMSPanel.h"
#include "messaging/VariableSmartListControl.h"
#include "shell/AppGlobals.h"
#include "toolkit/BorderPanel.h"
#include "toolkit/Button.h"
#include "toolkit/RelativeButton.h"
#include "toolkit/TextInputControl.h"

namespace shell {

namespace {

namespace ui = platform::ui;

void WriteBubbles(ui::JsonWriter& json, VariableSmartListControl& list) {
  std::lock_guard lock(list.ListLock());
  json.BeginArray();
  for (size_t i = 0; i < list.DisplayedCount(); ++i) {
    const auto* sms = dynamic_cast<const SMSMessage*>(list.DisplayedItem(i));
    if (!sms) continue;
    json.BeginObject();
    json.StringField("text", sms->text);
    json.BoolField("outgoing", sms->outgoing);
    json.BoolField("read", sms->read);
    json.BoolField("failed", sms->send_failed);
    json.BoolField("sending", sms->sending);
    json.StringField("date", sms->date_text);
    json.IntField("height", sms->height);
    json.BoolField("on_screen", list.IsItemVisible(sms));
    json.EndObject();
  }
  json.EndArray();
}

// The open pop-up menu's entries with their places, or null.
void WriteMenu(ui::JsonWriter& json, const SMSPanel& panel) {
  for (size_t i = 0; i < panel.ChildCount(); ++i) {
    const auto* menu = dynamic_cast<const BorderPanel*>(panel.Child(i));
    if (!menu || !menu->visible) continue;
    json.BeginArray();
    for (size_t j = 0; j < menu->ChildCount(); ++j) {
      const auto* button = dynamic_cast<const RelativeButton*>(menu->Child(j));
      if (!button) continue;
      json.BeginObject();
      json.StringField("label", button->text);
      json.RectField("rect", OffsetRect(button->RelativeRect(), menu->rect.left, 0));
      json.EndObject();
    }
    json.EndArray();
    return;
  }
  json.Null();
}

}  // namespace

void WriteSmsScreen(ui::JsonWriter& json) {
  SMSPanel* panel = App().sms_screen;
  if (!panel) {
    json.Null();
    return;
  }
  json.BeginObject();
  json.BoolField("visible", panel->visible);
  const ContactListItem* contact = panel->Contact();
  json.StringField("contact", contact ? contact->display_name : std::u16string());
  json.StringField("number", panel->Number().number);
  json.StringField("number_label", PhoneLabelText(panel->Number()));
  json.StringField("counter", panel->CounterText());
  json.IntField("signal", SMSPanel::SignalValue());
  json.BoolField("add_contact_button", panel->AddContactButton().visible);
  json.StringField("text", panel->TextBox().GetText());
  json.StringField("empty_text", panel->List().EmptyText());
  json.BoolField("loading", panel->Loading());
  json.RectField("list_rect", panel->List().rect);
  json.RectField("send_button_rect", panel->SendButton().rect);
  json.Key("menu");
  WriteMenu(json, *panel);
  json.Key("bubbles");
  WriteBubbles(json, panel->List());
  json.EndObject();
}

}  // namespace shell
