#include "shell/UriOpening.h"

#include <cstdio>
#include <mutex>
#include <utility>

#include "contacts/ContactListItem.h"
#include "contacts/ContactSmartListControl.h"
#include "contacts/PhoneNumberMatch.h"
#include "contacts/SmsContactListItem.h"
#include "messaging/SMSPanel.h"
#include "platform/sms/SmsUri.h"
#include "screens/ContactContainerPanel.h"
#include "shell/AppGlobals.h"
#include "shell/ScreenSwitch.h"
#include "theme/SettingManager.h"

namespace shell {

namespace {

// The first row (contacts and pseudo-contacts) with the number, and the entry it matched.
ContactListItem* FindRow(ContactSmartListControl& list, const std::u16string& number,
                         PhoneEntry& entry) {
  std::lock_guard lock(list.ListLock());
  for (IListItem* item : list.MasterItems()) {
    auto* row = dynamic_cast<ContactListItem*>(item);
    if (!row || !MatchesNumber(*row, number, false)) continue;
    entry = PhoneEntry{number, 0};
    const std::u16string key = NumberMatchKey(number);
    for (const PhoneEntry& phone : row->phones) {
      if (MatchKeysMatch(NumberMatchKey(phone.number), key)) {
        entry = phone;
        break;
      }
    }
    return row;
  }
  return nullptr;
}

}  // namespace

void RequestUri(std::string uri) {
  App().pending_uri = std::move(uri);
}

void OpenPendingUri() {
  AppGlobals& app = App();
  if (app.pending_uri.empty() || !app.initialised || !app.list_screen || !app.sms_screen) return;
  ContactSmartListControl& list = app.list_screen->ContactList();
  if (list.IsLoading()) return;
  const std::string text = std::exchange(app.pending_uri, {});
  std::string error;
  const std::optional<platform::sms::SmsUri> uri = platform::sms::ParseSmsUri(text, error);
  if (!uri) {
    std::fprintf(stderr, "quillbook: the sms: URI was not opened: %s\n", error.c_str());
    return;
  }
  const std::u16string& number = uri->numbers.front();
  PhoneEntry entry;
  ContactListItem* row = FindRow(list, number, entry);
  // The previous URI's pseudo-contact lives until the screen has let go of it.
  std::unique_ptr<ContactListItem> previous;
  if (!row) {
    previous = std::move(app.uri_contact);
    const theme::SettingManager& settings = theme::Settings();
    app.uri_contact = std::make_unique<SmsContactListItem>(number, StripNumber(number),
                                                           settings.txt_ServiceMessageName, true,
                                                           settings.contact_height);
    app.uri_contact->sms_count = 0;
    row = app.uri_contact.get();
    entry = PhoneEntry{number, 0};
  }
  ShowSmsPanel(app.main_window, row, entry);
  if (!uri->body.empty()) app.sms_screen->SetDraft(uri->body);
}

}  // namespace shell
