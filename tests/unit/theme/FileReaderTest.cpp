// Line reading: byte-order marks, line-end pairing, 8-bit files and their decoding, missing
// files and names resolved against the program folder.
#include <gtest/gtest.h>

#include "platform/Paths.h"
#include "support/TempDir.h"
#include "theme/FileReader.h"
#include "theme/ProgramPath.h"

namespace theme {
namespace {

std::string Utf16(std::u16string_view text, bool big_endian) {
  std::string out = big_endian ? std::string("\xFE\xFF", 2) : std::string("\xFF\xFE", 2);
  for (char16_t c : text) {
    const char hi = static_cast<char>(c >> 8), lo = static_cast<char>(c & 0xFF);
    out += big_endian ? hi : lo;
    out += big_endian ? lo : hi;
  }
  return out;
}

std::vector<std::u16string> ReadAll(FileReader& reader) {
  std::vector<std::u16string> lines;
  while (reader.HasMore()) lines.push_back(reader.ReadLine());
  return lines;
}

class FileReaderTest : public ::testing::Test {
 protected:
  testing_support::TempDir dir_;
};

TEST_F(FileReaderTest, Utf16LinesEndAtAnyPairOfLineEnds) {
  using Lines = std::vector<std::u16string>;
  const std::pair<std::u16string, Lines> cases[] = {
      {u"a=1\r\nb=2", {u"a=1", u"b=2"}},          {u"a=1\nb=2\n", {u"a=1", u"b=2"}},
      {u"a=1\n\rb=2\r\n", {u"a=1", u"b=2"}},      {u"a=1\r\rb=2", {u"a=1", u"b=2"}},
      {u"a=1\r\n\r\nb=2", {u"a=1", u"", u"b=2"}}, {u"\u00e9t\u00e9\r\n", {u"\u00e9t\u00e9"}},
  };
  for (bool big_endian : {false, true}) {
    for (const auto& [text, lines] : cases) {
      FileReader reader(dir_.Write("f.ini", Utf16(text, big_endian)));
      EXPECT_EQ(reader.GetEncoding(), big_endian ? platform::TextEncoding::kUtf16BigEndian
                                                 : platform::TextEncoding::kUtf16LittleEndian);
      EXPECT_EQ(ReadAll(reader), lines);
    }
  }
}

// A CR LF pair that straddles the 2048-unit read-ahead still ends one line; an odd trailing
// byte is dropped.
TEST_F(FileReaderTest, Utf16CountsTwoBytesPerUnitAndPairsAcrossReadAhead) {
  std::u16string text(2047, u'x');
  text += u"\r\nend";
  FileReader reader(dir_.Write("f.ini", Utf16(text, false) + "\x41"));
  EXPECT_EQ(reader.ReadLine(), std::u16string(2047, u'x'));
  EXPECT_EQ(reader.BytesConsumed(), 2049u * 2);
  EXPECT_EQ(reader.ReadLine(), u"end");
  EXPECT_FALSE(reader.HasMore());
}

TEST_F(FileReaderTest, EightBitLinesAreReadWholeWithTheirLineEnds) {
  const std::string long_line(5000, 'y');
  FileReader reader(dir_.Write("f.txt", "v0.15\r\n" + long_line + "\n\xC3\xA9t\xC3\xA9\nlast"));
  EXPECT_EQ(reader.GetEncoding(), platform::TextEncoding::kUtf8);
  EXPECT_EQ(reader.ReadLine(), u"v0.15\r\n");
  EXPECT_EQ(reader.BytesConsumed(), 7u);
  EXPECT_EQ(reader.ReadLine(), std::u16string(5000, u'y') + u"\n");
  EXPECT_EQ(reader.ReadLine(), u"\u00e9t\u00e9\n");
  EXPECT_EQ(reader.ReadLine(), u"last");
  EXPECT_FALSE(reader.HasMore());
  EXPECT_EQ(reader.ReadLine(), u"");
}

// Without a byte-order mark the whole file decides: UTF-8 when every sequence is well-formed
// (also one split across read chunks), else Windows-1252, even when the first bad byte comes
// late. A UTF-8 mark is skipped, never part of the first line.
TEST_F(FileReaderTest, EightBitFilesAreUtf8WhenValidElseWindows1252) {
  const std::string pad(64 * 1024 - 1, 'x');  // puts the next byte at the end of a read chunk
  struct Case {
    std::string bytes;
    platform::TextEncoding encoding;
    std::u16string last_line;
  };
  const Case cases[] = {
      {"txt_Back=Zur\xC3\xBC"
       "ck\n",
       platform::TextEncoding::kUtf8, u"txt_Back=Zur\u00fcck\n"},
      {"txt_Back=Zur\xFC"
       "ck\n",
       platform::TextEncoding::kWindows1252, u"txt_Back=Zur\u00fcck\n"},
      {"\xEF\xBB\xBFtxt_Back=R\xC3\xA9", platform::TextEncoding::kUtf8, u"txt_Back=R\u00e9"},
      {"\xEF\xBB\xBFtxt_Back=R\xE9", platform::TextEncoding::kUtf8, u"txt_Back=R\uFFFD"},
      {pad + "\xC3\xA9\n\xE9", platform::TextEncoding::kWindows1252, u"\u00e9"},
      {pad + "\xC3\xA9\n\xC3\xA9", platform::TextEncoding::kUtf8, u"\u00e9"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bytes.substr(0, 40));
    FileReader reader(dir_.Write("f.ini", c.bytes));
    EXPECT_EQ(reader.GetEncoding(), c.encoding);
    std::u16string line;
    while (reader.HasMore()) line = reader.ReadLine();
    EXPECT_EQ(line, c.last_line);
  }
}

TEST_F(FileReaderTest, OverlongLineIsCutAndContinues) {
  const std::string text(FileReader::kMaxLineUnits + 10, 'z');
  FileReader reader(dir_.Write("f.txt", text));
  EXPECT_EQ(reader.ReadLine().size(), FileReader::kMaxLineUnits);
  EXPECT_EQ(reader.ReadLine().size(), 10u);
}

TEST_F(FileReaderTest, MissingFileOrFolderReadsNothing) {
  FileReader missing(dir_.File("absent.ini"));
  EXPECT_FALSE(missing.IsOpen());
  EXPECT_FALSE(missing.HasMore());
  EXPECT_EQ(missing.ReadLine(), u"");
  FileReader folder(dir_.path());
  EXPECT_FALSE(folder.HasMore());
  FileReader empty(dir_.Write("empty.ini", ""));
  EXPECT_FALSE(empty.HasMore());
}

TEST_F(FileReaderTest, NamesResolveAgainstTheProgramFolder) {
  platform::SetProgramDir(dir_.path());
  EXPECT_EQ(MakeProgramPath(u"Touch.qbt"), dir_.path() + "/Touch.qbt");
  EXPECT_EQ(MakeProgramPath(u"/media/card/Themes/Dark.qbt"), "/media/card/Themes/Dark.qbt");
  EXPECT_EQ(MakeProgramPath(u"sub/x.png"), dir_.path() + "/sub/x.png");
  dir_.Write("lang.ini", "txt_Back=Retour\n");
  FileReader reader(std::u16string_view(u"lang.ini"));
  EXPECT_EQ(reader.ReadLine(), u"txt_Back=Retour\n");
}

}  // namespace
}  // namespace theme
