// Writing and reading cache records.
#include "contacts/ContactCache.h"

#include <array>

#include "contacts/CacheFormat.h"
#include "platform/Paths.h"
#include "platform/Text.h"

using namespace contacts;

namespace {

constexpr int kTextLineCount = 11;  // lines 3 to 13

// The text fields of lines 3 to 13, in file order.
template <typename Record>
auto TextFields(Record& r) {
  auto fields =
      std::array{&r.text,   &r.display_name, &r.second_line, &r.email1, &r.email2,    &r.email3,
                 &r.header, &r.detail,       &r.company,     &r.city,   &r.categories};
  static_assert(fields.size() == kTextLineCount);
  return fields;
}

void WriteLine(CacheFileWriter& file, std::u16string_view value) {
  file.Write(EscapeCacheValue(value));
  file.Write(kCacheLineEnd);
}

bool EndsWithLineEnd(std::u16string_view line) {
  return !line.empty() && line.back() == u'\n';
}

}  // namespace

void WriteCacheHeader(CacheFileWriter& file) {
  file.Write(kCacheHeaderLine);
}

void WriteCacheRecord(const ContactListItem& record, CacheFileWriter& file) {
  WriteLine(file, platform::ToU16(static_cast<int32_t>(record.object_id)));
  WriteLine(file, record.favourite ? u"1" : u"0");
  for (const std::u16string* field : TextFields(record)) WriteLine(file, *field);
  WriteLine(file, FormatPhoneLine(record.phones));
}

void ReadCacheRecord(CacheLineReader& reader, ContactListItem& record) {
  record.object_id =
      static_cast<uint32_t>(ParseLenientInteger(UnescapeCacheLine(reader.ReadLine())));
  record.favourite = ParseLenientInteger(UnescapeCacheLine(reader.ReadLine())) != 0;
  for (std::u16string* field : TextFields(record)) *field = UnescapeCacheLine(reader.ReadLine());
  record.shown = reader.HasMore();
  std::u16string phone_line = reader.ReadLine();
  // A phone line cut off before its line end may have lost entries: the record is incomplete.
  if (!EndsWithLineEnd(phone_line)) record.shown = false;
  record.phones = ParsePhoneLine(UnescapeCacheLine(phone_line));
}

std::vector<std::unique_ptr<ContactListItem>> ReadContactCache(CacheLineReader& reader,
                                                               int32_t row_height) {
  std::vector<std::unique_ptr<ContactListItem>> records;
  if (reader.ReadLine() != kCacheHeaderLine) return records;
  while (reader.HasMore() && records.size() < kMaxCachedContacts) {
    auto record = std::make_unique<ContactListItem>(row_height);
    ReadCacheRecord(reader, *record);
    if (record->shown) records.push_back(std::move(record));
  }
  return records;
}

std::string ContactCachePath() {
  return platform::ProgramDir() + "/" + kContactCacheFileName;
}
