// qbphone seed-demo [--contacts N] [--sms M] [--seed S] [--replace]: fills the device's contact
// store with the deterministic demo address book (DemoContacts.h) and its SMS (M of them when
// given). An address book that already has contacts is left alone unless --replace is given,
// which deletes them first. A seeded device uses the simulated phone, mail and SMS services.
// Exit codes: 0 done, 1 the store already has contacts, 2 bad arguments, 3 the store failed.
#include <algorithm>
#include <charconv>
#include <cstdio>
#include <string>
#include <vector>

#include "Command.h"
#include "DemoContacts.h"
#include "DemoMessages.h"
#include "DemoPictures.h"
#include "platform/ServiceBackend.h"
#include "platform/pim/PimApplication.h"
#include "platform/pim/PimContactFields.h"
#include "platform/pim/PimFolder.h"
#include "platform/pim/PimItem.h"
#include "platform/pim/PimItemCollection.h"
#include "platform/pim/VCardStore.h"
#include "platform/pimapps/PicturesFolder.h"

namespace qbphone {

namespace {

using namespace platform::pim;

constexpr char kUsage[] = "seed-demo [--contacts N] [--sms M] [--seed S] [--replace]";
constexpr int64_t kMaxDemoSms = 5'000'000;

template <typename T>
bool ParseNumber(const std::string& text, T* value) {
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), *value);
  return ec == std::errc() && end == text.data() + text.size();
}

int Fail(int code, const std::string& message) {
  std::fprintf(stderr, "qbphone seed-demo: %s\n", message.c_str());
  return code;
}

// Contacts saved or deleted per transaction: one commit each would take minutes for a big
// address book.
constexpr size_t kContactsPerBatch = 1000;

bool DeleteAll(PimApplication& app) {
  auto items = app.GetDefaultFolder(kFolderContacts)->Items();
  const int count = items->Count();
  for (int first = 1; first <= count; first += static_cast<int>(kContactsPerBatch)) {
    const PimResult deleted = app.WriteBatch([&] {
      const int end = std::min(count + 1, first + static_cast<int>(kContactsPerBatch));
      for (int i = first; i < end; ++i) {
        auto item = items->Item(i);
        if (item && item->Delete() == PimResult::kStoreError) return false;
      }
      return true;
    });
    if (deleted != PimResult::kOk) return false;
  }
  return true;
}

// The name and the phone numbers of a demo contact, for its demo conversations.
DemoContact ConversationPartner(const VCardContact& contact) {
  using namespace platform::pim::prop;
  static constexpr PropertyId kPhones[] = {kMobilePhone, kHomePhone,      kBusinessPhone,
                                           kHomePhone2,  kBusinessPhone2, kCarPhone};
  DemoContact partner;
  partner.display_name = contact.Text(kFileAs);
  for (PropertyId id : kPhones) {
    if (!contact.Text(id).empty()) partner.numbers.push_back(contact.Text(id));
  }
  return partner;
}

int Run(const std::vector<std::string>& args) {
  int count = kDefaultDemoContacts;
  uint64_t seed = 1;
  int64_t sms = 0;
  bool replace = false;
  for (size_t i = 0; i < args.size(); ++i) {
    bool has_value = i + 1 < args.size();
    if (args[i] == "--contacts" && has_value && ParseNumber(args[i + 1], &count) && count >= 0 &&
        count <= kMaxDemoContacts) {
      ++i;
    } else if (args[i] == "--sms" && has_value && ParseNumber(args[i + 1], &sms) && sms > 0 &&
               sms <= kMaxDemoSms) {
      ++i;
    } else if (args[i] == "--seed" && has_value && ParseNumber(args[i + 1], &seed)) {
      ++i;
    } else if (args[i] == "--replace") {
      replace = true;
    } else {
      return Fail(2, std::string("usage: ") + kUsage + " (N at most " +
                         std::to_string(kMaxDemoContacts) + ", M 1 to " +
                         std::to_string(kMaxDemoSms) + ")");
    }
  }
  std::string error;
  auto app = PimApplication::Create(&error);
  if (!app) return Fail(3, error);
  int existing = app->GetDefaultFolder(kFolderContacts)->Items()->Count();
  if (existing > 0 && !replace) {
    return Fail(1, "the address book already has " + std::to_string(existing) +
                       " contacts (use --replace)");
  }
  if (existing > 0 && !DeleteAll(*app)) return Fail(3, app->LastError());
  int seeded = 0;
  std::vector<DemoContact> senders;
  const std::vector<VCardContact> contacts = MakeDemoContacts(count, seed);
  for (size_t first = 0; first < contacts.size(); first += kContactsPerBatch) {
    const size_t end = std::min(contacts.size(), first + kContactsPerBatch);
    const PimResult saved = app->WriteBatch([&] {
      for (size_t i = first; i < end; ++i) {
        ObjectId oid = 0;
        if (SaveVCardContact(*app, contacts[i], &oid) != PimResult::kOk) return false;
      }
      return true;
    });
    if (saved != PimResult::kOk) return Fail(3, app->LastError());
    for (size_t i = first; i < end; ++i) senders.push_back(ConversationPartner(contacts[i]));
    seeded += static_cast<int>(end - first);
  }
  std::printf("seeded %d contacts (seed %llu)\n", seeded, static_cast<unsigned long long>(seed));
  DemoMessageCounts counts;
  if (!FillDemoMessages(senders, static_cast<uint32_t>(seed), &counts, sms)) {
    return Fail(3, "the SMS store could not be filled");
  }
  std::printf("seeded %d received and %d sent SMS, %d unread\n", counts.received, counts.sent,
              counts.unread);
  if (!PutDemoPictures(platform::pimapps::SimulatedPicturesFolder())) {
    return Fail(3, "the demo pictures could not be written");
  }
  // A demo device calls, mails and sends SMS on the simulated network, never for real, and
  // keeps its pictures in its own folder.
  if (!platform::UseSimulatedServices()) return Fail(3, "the registry could not be written");
  return 0;
}

const CommandRegistrar kRegistrar("seed-demo", kUsage, Run);

}  // namespace

}  // namespace qbphone
