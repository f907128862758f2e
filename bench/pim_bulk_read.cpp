// Bulk read of the contact store as the contact loader does it: one property read by position
// for each of 10,000 contacts, asking for the ~25 properties a list row needs.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/Text.h"
#include "platform/pim/PimApplication.h"
#include "platform/pim/PimContactFields.h"
#include "platform/pim/PimFolder.h"
#include "platform/pim/PimItem.h"
#include "platform/pim/PimItemCollection.h"
#include "support/TempDir.h"

namespace {

using namespace platform::pim;
namespace prop = platform::pim::prop;

constexpr int kContacts = 10000;

// A store of kContacts contacts with names, company, city, e-mail and two or three numbers.
class BulkStore {
 public:
  BulkStore() {
    std::string error;
    app_ = PimApplication::Open(dir_.File("contacts.db"), &error);
    app_->GetIdFromName(kFavoritePropertyName, kFavoriteNamedFlags, &favorite_);
    for (int i = 0; i < kContacts; ++i) {
      auto item = app_->CreateItem();
      std::u16string n = platform::ToU16(i);
      item->SetProps({PropertyValue::Text(prop::kFirstName, u"Zoë " + n),
                      PropertyValue::Text(prop::kLastName, u"O'Brien-Smith " + n),
                      PropertyValue::Text(prop::kFileAs, u"O'Brien-Smith " + n + u", Zoë"),
                      PropertyValue::Text(prop::kCompany, u"Acme Téléphonie"),
                      PropertyValue::Text(0x00D2001F, u"Saint-Étienne"),
                      PropertyValue::Text(prop::kEmail1, u"zoe" + n + u"@example.org"),
                      PropertyValue::Text(prop::kMobilePhone, u"+33 6 12 34 " + n),
                      PropertyValue::Text(prop::kHomePhone, u"+33 4 77 00 " + n),
                      PropertyValue::Number(favorite_, i % 8 == 0)});
      item->Save();
    }
  }

  PimApplication& app() { return *app_; }

  // The loader's request list: object id, file-as, the twelve phone fields, three e-mails,
  // the favourite, then what the default expressions name.
  std::vector<PropertyId> RequestList() const {
    std::vector<PropertyId> ids = {kPropObjectId, prop::kFileAs};
    for (PropertyId id = prop::kMobilePhone; id <= prop::kAssistantPhone; id += 0x10000) {
      ids.push_back(id);
    }
    for (int k = 0; k < 3; ++k) ids.push_back(prop::kEmail1 + (static_cast<PropertyId>(k) << 16));
    ids.push_back(favorite_);
    for (PropertyId id : {prop::kFirstName, prop::kLastName, prop::kCompany, prop::kJobTitle,
                          PropertyId{0x00C2001F}, PropertyId{0x00D2001F}, PropertyId{0x00E2001F},
                          prop::kCategories}) {
      ids.push_back(id);
    }
    return ids;
  }

 private:
  testing_support::TempDir dir_;
  std::unique_ptr<PimApplication> app_;
  PropertyId favorite_ = 0;
};

BulkStore& Store() {
  static BulkStore store;
  return store;
}

void BM_BulkReadAllContacts(benchmark::State& state) {
  BulkStore& store = Store();
  const std::vector<PropertyId> ids = store.RequestList();
  std::vector<PropertyValue> values;
  for (auto _ : state) {
    auto items = store.app().GetDefaultFolder(kFolderContacts)->Items();
    size_t present = 0;
    for (int i = 1; i <= items->Count(); ++i) {
      if (items->GetProps(i, ids, &values) != PimResult::kOk) state.SkipWithError("read failed");
      for (const PropertyValue& v : values) present += v.HasValue();
    }
    benchmark::DoNotOptimize(present);
  }
  state.SetItemsProcessed(state.iterations() * kContacts);
}
BENCHMARK(BM_BulkReadAllContacts)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
