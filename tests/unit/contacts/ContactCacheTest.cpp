// The cache file: exact bytes, escaping, phone lines, damaged and truncated files.
#include "contacts/ContactCache.h"

#include <gtest/gtest.h>

#include <climits>
#include <tuple>

#include "contacts/CacheFormat.h"
#include "platform/Text.h"
#include "support/TempDir.h"

using namespace contacts;

namespace {

constexpr uint32_t kMobileId = 9830431;  // 0x0096001F
constexpr uint32_t kHomeId = 10027039;   // 0x0099001F

std::unique_ptr<ContactListItem> SampleRecord(uint32_t oid, std::u16string name) {
  auto r = std::make_unique<ContactListItem>(36);
  r->object_id = oid;
  r->favourite = true;
  r->text = platform::ToUpper(name);
  r->display_name = name;
  r->header = name;
  r->second_line = u"555 (Acme)";
  r->email1 = u"a@x.org";
  r->email3 = u"c@x.org";
  r->detail = u"1 Main St\r\nSpringfield";
  r->company = u"Acme";
  r->city = u"Springfield";
  r->categories = u"VIP";
  r->phones = {PhoneEntry{u"555 0001", kHomeId}, PhoneEntry{u"555", kMobileId}};
  return r;
}

// Writes records through a real writer into a temporary file and returns the file's bytes.
std::string WriteCache(const std::vector<const ContactListItem*>& records) {
  testing_support::TempDir dir;
  CacheFileWriter writer;
  std::string path = dir.File("contact.cache.txt");
  EXPECT_TRUE(writer.Open(path));
  WriteCacheHeader(writer);
  for (const ContactListItem* r : records) WriteCacheRecord(*r, writer);
  EXPECT_TRUE(writer.Commit());
  return testing_support::ReadAll(path);
}

std::vector<std::unique_ptr<ContactListItem>> Read(std::string bytes) {
  CacheLineReader reader(std::move(bytes));
  return ReadContactCache(reader, 36);
}

// The fields the cache keeps, to compare a record read back with the one written.
auto CachedFields(const ContactListItem& r) {
  return std::tuple(r.object_id, r.favourite, r.text, r.display_name, r.second_line, r.email1,
                    r.email2, r.email3, r.header, r.detail, r.company, r.city, r.categories,
                    r.phones);
}

TEST(ContactCache, WritesTheExactLineFormat) {
  auto r = SampleRecord(1234, u"Zoë");
  std::string bytes = WriteCache({r.get()});
  const std::string expected =
      "v0.15\r\n#1234\r\n#1\r\n#ZOË\r\n#Zoë\r\n#555 (Acme)\r\n#a@x.org\r\n#\r\n#c@x.org\r\n"
      "#Zoë\r\n#1 Main St\\nSpringfield\r\n#Acme\r\n#Springfield\r\n#VIP\r\n"
      "#10027039\xC2\xB5"
      "555 0001\xC2\xB5"
      "9830431\xC2\xB5"
      "555\xC2\xB5\r\n";
  EXPECT_EQ(bytes, expected);
}

// Long lines (a 5000-character name) come back whole.
TEST(ContactCache, RoundTripsRecordsAndTheirPhoneOrder) {
  auto a = SampleRecord(1, u"Anna");
  auto b = SampleRecord(0xFFFFFFFF, std::u16string(5000, u'x'));
  b->favourite = false;
  b->phones.clear();
  std::string bytes = WriteCache({a.get(), b.get()});
  auto records = Read(bytes);
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(CachedFields(*records[0]), CachedFields(*a));
  EXPECT_EQ(CachedFields(*records[1]), CachedFields(*b));
  EXPECT_TRUE(records[0]->shown);
  EXPECT_EQ(records[0]->height, 36);
}

TEST(ContactCache, LineBreaksComeBackAsCrLf) {
  struct Case {
    std::u16string written, read;
  };
  for (const Case& c : std::vector<Case>{{u"a\r\nb", u"a\r\nb"},
                                         {u"a\nb", u"a\r\nb"},
                                         {u"a\\nb", u"a\r\nb"},
                                         {u"a\rb", u"a\rb"},
                                         {u"end\r", u"end\r"},
                                         {u"\n", u"\r\n"},
                                         {u"", u""}}) {
    std::u16string line = EscapeCacheValue(c.written) + std::u16string(kCacheLineEnd);
    EXPECT_EQ(line.find(u'\n'), line.size() - 1) << platform::ToUtf8(c.written);
    EXPECT_EQ(UnescapeCacheLine(line), c.read) << platform::ToUtf8(c.written);
  }
}

// Numbers that would break the pairing are left out; damaged phone lines still parse.
TEST(ContactCache, PhoneLinesKeepThePairing) {
  std::vector<PhoneEntry> phones = {{u"12\u00B534", kHomeId}, {u"", 10158111}, {u"99", kMobileId}};
  std::u16string line = FormatPhoneLine(phones);
  EXPECT_EQ(line, u"9830431\u00B599\u00B5");
  EXPECT_EQ(ParsePhoneLine(line), (std::vector<PhoneEntry>{{u"99", kMobileId}}));
  EXPECT_EQ(ParsePhoneLine(u"\u00B5\u00B5x\u00B51\u00B5"), (std::vector<PhoneEntry>{{u"1", 0}}));
  EXPECT_EQ(ParsePhoneLine(u"5\u00B5a\u00B57"), (std::vector<PhoneEntry>{{u"a", 5}}));
  EXPECT_EQ(ParsePhoneLine(u"-1\u00B5a"), (std::vector<PhoneEntry>{{u"a", 0xFFFFFFFF}}));
}

TEST(ContactCache, LenientIntegersReadLikeTheRuntime) {
  struct Case {
    std::u16string text;
    int32_t value;
  };
  for (const Case& c : std::vector<Case>{{u"42", 42},
                                         {u"  -7x", -7},
                                         {u"+5", 5},
                                         {u"abc", 0},
                                         {u"", 0},
                                         {u"-", 0},
                                         {u"2147483647", INT_MAX},
                                         {u"4294967295", INT_MAX},
                                         {u"-2147483648", INT_MIN},
                                         {u"-99999999999999999999", INT_MIN}}) {
    EXPECT_EQ(ParseLenientInteger(c.text), c.value) << platform::ToUtf8(c.text);
  }
}

TEST(ContactCache, IgnoresAFileWhoseFirstLineIsNotTheHeader) {
  auto r = SampleRecord(1, u"A");
  std::string bytes = WriteCache({r.get()});
  ASSERT_EQ(Read(bytes).size(), 1u);
  EXPECT_TRUE(Read("\xEF\xBB\xBF" + bytes).empty());       // byte-order mark
  EXPECT_TRUE(Read("v0.14" + bytes.substr(5)).empty());    // other version
  EXPECT_TRUE(Read("v0.15\n" + bytes.substr(7)).empty());  // LF alone
  EXPECT_TRUE(Read("").empty());
}

// Every prefix of a valid file reads as some complete leading records, never a damaged one.
TEST(ContactCache, TruncatedFilesDropTheIncompleteLastRecord) {
  auto a = SampleRecord(1, u"Anna");
  auto b = SampleRecord(2, u"Bob");
  std::string bytes = WriteCache({a.get(), b.get()});
  for (size_t cut = 0; cut <= bytes.size(); ++cut) {
    auto records = Read(bytes.substr(0, cut));
    ASSERT_LE(records.size(), 2u);
    if (!records.empty()) {
      EXPECT_EQ(CachedFields(*records[0]), CachedFields(*a));
    }
    if (records.size() == 2) {
      EXPECT_EQ(CachedFields(*records[1]), CachedFields(*b));
      EXPECT_EQ(cut, bytes.size());
    }
  }
}

TEST(ContactCache, DamagedLinesAreTakenAsTheyAre) {
  std::string bytes = "v0.15\r\nxyz\r\n#\r\n";
  for (int i = 0; i < 11; ++i) bytes += "#t\r\n";
  bytes += "#garbage\r\n";
  auto records = Read(bytes);
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0]->object_id, 0u);
  EXPECT_FALSE(records[0]->favourite);
  EXPECT_EQ(records[0]->text, u"t");
  EXPECT_TRUE(records[0]->phones.empty());
}

}  // namespace
