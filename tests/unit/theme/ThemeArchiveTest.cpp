// The archive layer: lookups, reading, result codes, and archives that lie about themselves.
#include <gtest/gtest.h>

#include "ThemeTestSupport.h"
#include "platform/Text.h"
#include "support/TempDir.h"
#include "theme/ThemeArchive.h"

namespace theme {
namespace {

using theme_test::Member;

class ThemeArchiveTest : public ::testing::Test {
 protected:
  std::unique_ptr<ThemeArchive> Open(const std::vector<Member>& members) {
    return OpenArchive(theme_test::WriteArchive(dir_.File("t.qbt"), members));
  }
  std::unique_ptr<ThemeArchive> OpenBytes(const std::string& bytes) {
    return OpenArchive(dir_.Write("raw.qbt", bytes));
  }
  testing_support::TempDir dir_;
};

TEST_F(ThemeArchiveTest, LookupIgnoresAsciiCaseOnlyAndNotSeparators) {
  auto archive = Open({{"settings.ini", "a=1"},
                       {"bg.png", "x"},
                       {"images/bg.png", "yy"},
                       {"\xC3\xA9t\xC3\xA9.png", "x"}});
  ASSERT_TRUE(archive);
  struct Case {
    std::u16string name;
    ArchiveResult code;
    int32_t index;
  };
  const Case cases[] = {
      {u"BG.PNG", kArchiveSuccess, 1},
      {u"bg.png", kArchiveSuccess, 1},
      {u"Images/BG.png", kArchiveSuccess, 2},
      {u"images\\bg.png", kArchiveEntryNotFound, -1},
      {u"absent.png", kArchiveEntryNotFound, -1},
      {u"", kArchiveEntryNotFound, -1},
      {u"\u00e9t\u00e9.png", kArchiveSuccess, 3},  // letters beyond ASCII compare exactly
      {u"\u00c9T\u00c9.png", kArchiveEntryNotFound, -1},
  };
  for (const auto& c : cases) {
    ArchiveEntryInfo info;
    info.index = 99;
    EXPECT_EQ(FindEntry(archive.get(), c.name, info), c.code);
    EXPECT_EQ(info.index, c.index);
  }
  ArchiveEntryInfo info;
  ASSERT_EQ(FindEntry(archive.get(), u"images/bg.png", info), kArchiveSuccess);
  EXPECT_EQ(info.uncompressed_size, 2u);
  EXPECT_EQ(info.name, u"images/bg.png");
}

TEST_F(ThemeArchiveTest, LongEntryNamesNeverMatchAndNeverOverread) {
  std::vector<Member> members;
  for (size_t length : {255u, 256u, 300u, 65535u}) {
    members.push_back({std::string(length - 4, 'n') + ".png", "data" + std::to_string(length)});
  }
  members.push_back({"after.png", "ok"});
  auto archive = Open(members);
  ASSERT_TRUE(archive);
  ArchiveEntryInfo info;
  EXPECT_EQ(FindEntry(archive.get(), std::u16string(251, u'n') + u".png", info), kArchiveSuccess);
  for (size_t length : {256u, 300u, 65535u}) {
    EXPECT_EQ(FindEntry(archive.get(), std::u16string(length - 4, u'n') + u".png", info),
              kArchiveEntryNotFound);
  }
  auto after = ReadArchiveMember(*archive, u"after.png");
  ASSERT_TRUE(after);
  EXPECT_EQ(std::string(after->begin(), after->end()), "ok");
}

TEST_F(ThemeArchiveTest, ReadEntryReportsMoreDataThenContinues) {
  const std::string text(1000, 'q');
  auto archive = Open({{"a.txt", "first"}, {"b.txt", text}});
  ArchiveEntryInfo info;
  ASSERT_EQ(FindEntry(archive.get(), u"b.txt", info), kArchiveSuccess);
  std::vector<uint8_t> small(600);
  size_t got = 0;
  EXPECT_EQ(ReadEntry(archive.get(), info.index, small, &got), kArchiveMoreData);
  EXPECT_EQ(got, 600u);
  EXPECT_EQ(ReadEntry(archive.get(), info.index, small, &got), kArchiveSuccess);
  EXPECT_EQ(got, 400u);
  // Moving back to an earlier entry works too.
  std::vector<uint8_t> first(5);
  EXPECT_EQ(ReadEntry(archive.get(), 0, first, &got), kArchiveSuccess);
  EXPECT_EQ(std::string(first.begin(), first.end()), "first");
}

TEST_F(ThemeArchiveTest, CallerFaultsAndTheirDescription) {
  ArchiveEntryInfo info;
  EXPECT_EQ(FindEntry(nullptr, u"x", info), kArchiveFaultyArguments);
  std::vector<uint8_t> buffer(4);
  EXPECT_EQ(ReadEntry(nullptr, 0, buffer), kArchiveFaultyArguments);
  auto archive = Open({{"a", "b"}});
  EXPECT_EQ(ReadEntry(archive.get(), 5, buffer), kArchiveFaultyArguments);
  EXPECT_EQ(ReadEntry(archive.get(), -1, buffer), kArchiveFaultyArguments);
  EXPECT_EQ(CloseArchive(archive), kArchiveSuccess);
  EXPECT_FALSE(archive);
  EXPECT_EQ(CloseArchive(archive), kArchiveFaultyArguments);
  EXPECT_EQ(DescribeArchiveResult(kArchiveCannotOpen), "0x00000200 (Couldn't create/open file)");
}

TEST_F(ThemeArchiveTest, UnopenableFilesGiveNoHandle) {
  for (const std::string& path :
       {dir_.File("missing.qbt"), dir_.path(), dir_.Write("garbage.qbt", "not a zip at all"),
        dir_.Write("empty.qbt", "")}) {
    ArchiveResult code = kArchiveSuccess;
    EXPECT_FALSE(OpenArchive(path, &code));
    EXPECT_EQ(code, kArchiveCannotOpen);
  }
}

// A damaged data byte, encryption and a declared size that lies (short or long) make a member
// unreadable.
TEST_F(ThemeArchiveTest, DamagedDataEncryptionAndLyingSizesAreReported) {
  auto zip = theme_test::BuildStoredZip({{"a.txt", "hello"},
                                         {"b.txt", "world"},
                                         {"c.txt", "0123456789"},
                                         {"d.txt", "0123456789"},
                                         {"e.txt", "declares 16 MiB"},
                                         {"f.txt", "fine"}});
  zip.bytes[zip.local_offsets[0] + 30 + 5] ^= 0x20;  // one data byte: CRC mismatch
  theme_test::Put16(zip.bytes, zip.local_offsets[1] + 6, 1);
  theme_test::Put16(zip.bytes, zip.central_offsets[1] + 8, 1);
  theme_test::Put32(zip.bytes, zip.central_offsets[2] + 24, 5);
  theme_test::Put32(zip.bytes, zip.central_offsets[3] + 24, 20);
  theme_test::Put32(zip.bytes, zip.central_offsets[4] + 24, kMaxArchiveMemberBytes);
  // The same from a file and from memory.
  const auto* data = reinterpret_cast<const uint8_t*>(zip.bytes.data());
  std::unique_ptr<ThemeArchive> archives[] = {OpenBytes(zip.bytes),
                                              OpenArchive(std::span(data, zip.bytes.size()))};
  for (auto& archive : archives) {
    ASSERT_TRUE(archive);
    const std::pair<const char16_t*, ArchiveResult> cases[] = {
        {u"a.txt", kArchiveDamaged}, {u"b.txt", kArchivePasswordRequired},
        {u"c.txt", kArchiveDamaged}, {u"d.txt", kArchiveDamaged},
        {u"e.txt", kArchiveDamaged}, {u"f.txt", kArchiveSuccess}};
    for (const auto& [name, expected] : cases) {
      ArchiveResult code = kArchiveSuccess;
      EXPECT_EQ(ReadArchiveMember(*archive, name, &code).has_value(), expected == kArchiveSuccess);
      EXPECT_EQ(code, expected) << platform::ToUtf8(name);
    }
  }
}

TEST_F(ThemeArchiveTest, TruncatedArchiveNeverCrashes) {
  const std::string full = theme_test::BuildStoredZip({{"a.txt", std::string(300, 'a')}}).bytes;
  for (size_t cut = 0; cut < full.size(); cut += 7) {
    auto archive = OpenBytes(full.substr(0, cut));
    if (archive) ReadArchiveMember(*archive, u"a.txt");
  }
}

TEST_F(ThemeArchiveTest, MemberAndLoadCapsRefuseOversizedReads) {
  const std::string big(kMaxArchiveMemberBytes + 1, 'b');
  const std::string chunk(kMaxArchiveMemberBytes, 'c');
  auto archive = Open(
      {{"big", big}, {"c1", chunk}, {"c2", chunk}, {"c3", chunk}, {"c4", chunk}, {"small", "s"}});
  ASSERT_TRUE(archive);
  ArchiveResult code = kArchiveSuccess;
  EXPECT_FALSE(ReadArchiveMember(*archive, u"big", &code));
  EXPECT_EQ(code, kArchiveDamaged);
  for (const char16_t* name : {u"c1", u"c2", u"c3", u"c4"}) {
    EXPECT_TRUE(ReadArchiveMember(*archive, name));
  }
  // 64 MiB are spent: even a one-byte member is refused now.
  EXPECT_FALSE(ReadArchiveMember(*archive, u"small"));
}

TEST(CleanEntryName, DropsDrivesLeadingSeparatorsAndParentSteps) {
  const std::pair<std::u16string, std::u16string> cases[] = {
      {u"C:\\themes\\bg.png", u"themes\\bg.png"},
      {u"/abs/bg.png", u"abs/bg.png"},
      {u"a/../b/../c.png", u"c.png"},
      {u"../x.png", u"x.png"},
      {u"a\\..\\x.png", u"x.png"},
      {u"a..b/c", u"a..b/c"},
      {u"plain.png", u"plain.png"},
  };
  for (const auto& [stored, cleaned] : cases) EXPECT_EQ(CleanEntryName(stored), cleaned);
  EXPECT_EQ(CleanEntryName(std::u16string(400, u'x')).size(), 260u);
}

}  // namespace
}  // namespace theme
