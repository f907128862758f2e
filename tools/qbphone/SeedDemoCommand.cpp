// qbphone seed-demo [--contacts N] [--seed S] [--replace]: fills the device's contact store
// with the deterministic demo address book (DemoContacts.h). An address book that already has
// contacts is left alone unless --replace is given, which deletes them first. A seeded device
// uses the simulated phone, mail and SMS services.
// Exit codes: 0 done, 1 the store already has contacts, 2 bad arguments, 3 the store failed.
#include <charconv>
#include <cstdio>
#include <string>
#include <vector>

#include "Command.h"
#include "DemoContacts.h"
#include "DemoMessages.h"
#include "platform/ServiceBackend.h"
#include "platform/pim/PimApplication.h"
#include "platform/pim/PimContactFields.h"
#include "platform/pim/PimFolder.h"
#include "platform/pim/PimItem.h"
#include "platform/pim/PimItemCollection.h"
#include "platform/pim/VCardStore.h"

namespace qbphone {

namespace {

using namespace platform::pim;

constexpr char kUsage[] = "seed-demo [--contacts N] [--seed S] [--replace]";

template <typename T>
bool ParseNumber(const std::string& text, T* value) {
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), *value);
  return ec == std::errc() && end == text.data() + text.size();
}

int Fail(int code, const std::string& message) {
  std::fprintf(stderr, "qbphone seed-demo: %s\n", message.c_str());
  return code;
}

bool DeleteAll(PimApplication& app) {
  auto items = app.GetDefaultFolder(kFolderContacts)->Items();
  for (int i = 1; i <= items->Count(); ++i) {
    auto item = items->Item(i);
    if (item && item->Delete() == PimResult::kStoreError) return false;
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
  bool replace = false;
  for (size_t i = 0; i < args.size(); ++i) {
    bool has_value = i + 1 < args.size();
    if (args[i] == "--contacts" && has_value && ParseNumber(args[i + 1], &count) && count >= 0 &&
        count <= kMaxDemoContacts) {
      ++i;
    } else if (args[i] == "--seed" && has_value && ParseNumber(args[i + 1], &seed)) {
      ++i;
    } else if (args[i] == "--replace") {
      replace = true;
    } else {
      return Fail(2, std::string("usage: ") + kUsage + " (N at most " +
                         std::to_string(kMaxDemoContacts) + ")");
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
  for (const VCardContact& contact : MakeDemoContacts(count, seed)) {
    ObjectId oid = 0;
    if (SaveVCardContact(*app, contact, &oid) != PimResult::kOk) return Fail(3, app->LastError());
    ++seeded;
    senders.push_back(ConversationPartner(contact));
  }
  std::printf("seeded %d contacts (seed %llu)\n", seeded, static_cast<unsigned long long>(seed));
  DemoMessageCounts counts;
  if (!FillDemoMessages(senders, static_cast<uint32_t>(seed), &counts)) {
    return Fail(3, "the SMS store could not be filled");
  }
  std::printf("seeded %d received and %d sent SMS, %d unread\n", counts.received, counts.sent,
              counts.unread);
  // A demo device calls, mails and sends SMS on the simulated network, never for real.
  if (!platform::UseSimulatedServices()) return Fail(3, "the registry could not be written");
  return 0;
}

const CommandRegistrar kRegistrar("seed-demo", kUsage, Run);

}  // namespace

}  // namespace qbphone
