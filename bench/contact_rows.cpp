// Costs of making contact rows: filling a record from a bulk read (the expansions of the
// default theme), writing and reading the cache, and the whole rows report on a real store
// of 1,000 contacts.
#include <benchmark/benchmark.h>

#include <sstream>

#include "contacts/CacheFileWriter.h"
#include "contacts/ContactCache.h"
#include "contacts/FillContact.h"
#include "contacts/RowsReport.h"
#include "platform/Paths.h"
#include "platform/Text.h"
#include "platform/pim/PimApplication.h"
#include "platform/pim/PimItem.h"
#include "support/TempDir.h"

using platform::pim::PropertyValue;

namespace {

ContactFillSettings DefaultSettings() {
  ContactFillSettings s;
  s.expressions = {u"%fileas", u"%phone (%company)", u"%fileas",
                   u"%addressstreet\\n%addresscity %addresspostalcode\\n%addressstate\\n"
                   u"%addresscountry"};
  return s;
}

std::vector<PropertyValue> SampleBulk(const PropertyRequestList& list, int i) {
  std::vector<PropertyValue> values;
  for (uint32_t id : list.Ids()) {
    switch (id) {
      case 0x10000066:
        values.push_back(PropertyValue::Number(id, i));
        break;
      case 0x0080001F:
        values.push_back(PropertyValue::Text(id, u"Doe, John " + platform::ToU16(i)));
        break;
      case 0x0096001F:
        values.push_back(PropertyValue::Text(id, u"+33 6 12 34 56 78"));
        break;
      case 0x008A001F:
        values.push_back(PropertyValue::Text(id, u"Acme Corporation"));
        break;
      case 0x00D1001F:
        values.push_back(PropertyValue::Text(id, u"12 Main Street"));
        break;
      case 0x00D2001F:
        values.push_back(PropertyValue::Text(id, u"Springfield"));
        break;
      default:
        values.push_back(PropertyValue::NoValue(id));
    }
  }
  return values;
}

void BM_FillContactBulk(benchmark::State& state) {
  ContactFillSettings s = DefaultSettings();
  PropertyRequestList list(s.expressions, 0x8001000B);
  auto values = SampleBulk(list, 1);
  ContactListItem record(36);
  for (auto _ : state) {
    FillContact(record, ContactValues(values, list), s);
    benchmark::DoNotOptimize(record.detail.data());
  }
}
BENCHMARK(BM_FillContactBulk);

void BM_CacheWriteAndRead1000(benchmark::State& state) {
  ContactFillSettings s = DefaultSettings();
  PropertyRequestList list(s.expressions, 0x8001000B);
  std::vector<std::unique_ptr<ContactListItem>> records;
  for (int i = 0; i < 1000; ++i) {
    records.push_back(std::make_unique<ContactListItem>(36));
    FillContact(*records.back(), ContactValues(SampleBulk(list, i), list), s);
  }
  testing_support::TempDir dir;
  std::string path = dir.File("contact.cache.txt");
  for (auto _ : state) {
    CacheFileWriter writer;
    writer.Open(path);
    WriteCacheHeader(writer);
    for (const auto& r : records) WriteCacheRecord(*r, writer);
    writer.Commit();
    CacheLineReader reader("");
    CacheLineReader::FromFile(path, kMaxContactCacheBytes, reader);
    benchmark::DoNotOptimize(ReadContactCache(reader, 36).size());
  }
}
BENCHMARK(BM_CacheWriteAndRead1000)->Unit(benchmark::kMillisecond);

void BM_RowsReport1000(benchmark::State& state) {
  testing_support::TempDir home;
  testing_support::TempDir device;
  platform::SetDeviceDir(device.path());
  {
    std::string error;
    auto app = platform::pim::PimApplication::Create(&error);
    for (int i = 0; i < 1000; ++i) {
      auto item = app->CreateItem();
      item->SetProps({PropertyValue::Text(0x0080001F, u"Doe, John " + platform::ToU16(i)),
                      PropertyValue::Text(0x0096001F, u"+33 6 12 34 56 78"),
                      PropertyValue::Text(0x008A001F, u"Acme"),
                      PropertyValue::Text(0x00D2001F, u"Springfield")});
      item->Save();
    }
  }
  RowsReportOptions options;
  options.home = home.path();
  options.device = device.path();
  options.json = true;
  for (auto _ : state) {
    std::ostringstream out;
    std::string error;
    WriteRowsReport(options, out, error);
    benchmark::DoNotOptimize(out.str().size());
  }
}
BENCHMARK(BM_RowsReport1000)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
