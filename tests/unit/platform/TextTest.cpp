// UTF-16 helpers: conversions at the edges, text file decoding, case, classes and collation.
#include "platform/Text.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(Text, Utf8RoundTripKeepsSurrogatePairsAndWindows1252MapsTheHighRange) {
  std::string s = "Zoë \xF0\x9F\x98\x80 Łódź";
  std::u16string u = FromUtf8(s);
  EXPECT_EQ(u[2], u'ë');
  EXPECT_EQ(ToUtf8(u), s);
  EXPECT_EQ(FromUtf8("\xFF\x61"), (std::u16string{u'\xFFFD', u'a'}));
  EXPECT_EQ(ToUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
  EXPECT_EQ(FromWindows1252("\x80\xE9\x9F"), std::u16string(u"\x20AC\x00E9\x0178"));
}

TEST(Text, CaseClassesAndCollationThatOrdersAccentsNearTheirLetter) {
  EXPECT_EQ(ToUpper(u"éa1"), u"ÉA1");
  EXPECT_TRUE(IsSpaceUnit(u'\x2003'));
  EXPECT_TRUE(IsDigitUnit(u'7'));
  EXPECT_FALSE(IsAlphaUnit(u'7'));
  EXPECT_EQ(Trim(u"\x2003 ab \t"), u"ab");
  EXPECT_EQ(CompareNoCase(u"anne", u"ANNE"), 0);
  EXPECT_LT(CompareCollated(u"Émile", u"Fabrice"), 0);
  EXPECT_GT(CompareCollated(u"Émile", u"Dora"), 0);
  EXPECT_LT(CollationKey(u"Émile"), CollationKey(u"Fabrice"));
  EXPECT_LT(CompareOrdinalNoCase(u"abc", u"ABD"), 0);
}

// Hyphens and apostrophes do not count when names are compared; case and accents count as
// before. The sort key orders like the comparison, and the first compared unit skips what the
// comparison skips.
TEST(Text, NoCaseComparisonIgnoresHyphensAndApostrophes) {
  struct Case {
    std::u16string a, b;
    int sign;  // of CompareNoCase(a, b)
  };
  const Case cases[] = {
      {u"Le-Roy", u"LeRoy", 0},
      {u"Le-Roy", u"Leblanc", 1},
      {u"Le-Roy", u"Lemaire", 1},
      {u"O'Brien", u"OBrien", 0},
      {u"O'Brien", u"Obama", 1},
      {u"O'Brien", u"Oz", -1},
      {u"O\u2019Brien", u"O'Brien", 0},
      {u"Jean\u2010Luc", u"Jeanluc", 0},
      {u"'t Hooft", u"T Hooft", 0},
      {u"-Ana", u"Anna", -1},
      {u"anne", u"ANNE", 0},
      {u"\u00c9mile", u"Emile", 1},
      {u"\u00c9mile", u"Emilf", -1},
      {u"De La Cruz", u"Dean", -1},
      {u"A.B", u"AB", -1},
  };
  auto sign = [](int value) { return (value > 0) - (value < 0); };
  for (const Case& c : cases) {
    SCOPED_TRACE(ToUtf8(c.a) + " / " + ToUtf8(c.b));
    EXPECT_EQ(sign(CompareNoCase(c.a, c.b)), c.sign);
    EXPECT_EQ(sign(NoCaseSortKey(c.a).compare(NoCaseSortKey(c.b))), c.sign);
  }
  const std::pair<std::u16string, char16_t> firsts[] = {
      {u"'T HOOFT", u'T'}, {u"--\u2019ANA", u'A'}, {u" ANA", u' '}, {u"-", u'-'}, {u"", 0}};
  for (const auto& [text, first] : firsts) EXPECT_EQ(FirstComparedUnit(text), first);
}

// Text without a byte-order mark is UTF-8 only when every byte sequence is well-formed;
// anything else, overlong forms and encoded surrogates included, is Windows-1252.
TEST(Text, DecodingChoosesByMarkThenUtf8ValidityElseWindows1252) {
  struct Case {
    std::string bytes;
    TextEncoding encoding;
    size_t mark;
    std::u16string text;
  };
  const Case cases[] = {
      {"Zur\xC3\xBC"
       "ck",
       TextEncoding::kUtf8, 0, u"Zur\u00fcck"},
      {"Zur\xFC"
       "ck",
       TextEncoding::kWindows1252, 0, u"Zur\u00fcck"},
      {"\xEF\xBB\xBFk=\xC3\xA9", TextEncoding::kUtf8, 3, u"k=\u00e9"},
      {std::string("\xFF\xFEk\0=\0", 6), TextEncoding::kUtf16LittleEndian, 2, u"k="},
      {std::string("\xFE\xFF\0k\0=\0", 7), TextEncoding::kUtf16BigEndian, 2, u"k="},
      {"\xC0\xAF", TextEncoding::kWindows1252, 0, u"\u00c0\u00af"},            // overlong "/"
      {"\xED\xA0\x80", TextEncoding::kWindows1252, 0, u"\u00ed\u00a0\u20ac"},  // surrogate
      {"caf\xC3", TextEncoding::kWindows1252, 0, u"caf\u00c3"},                // cut at the end
      {"\x80", TextEncoding::kWindows1252, 0, u"\u20ac"},
      {"", TextEncoding::kUtf8, 0, u""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bytes);
    const ByteOrderMark detected = DetectTextEncoding(c.bytes);
    EXPECT_EQ(detected.encoding, c.encoding);
    EXPECT_EQ(detected.length, c.mark);
    EXPECT_EQ(DecodeText(c.bytes), c.text);
  }
  // Pieces: the bytes of a sequence still missing its end are carried to the next piece.
  const std::pair<std::string, size_t> tails[] = {{"ab", 0},        {"a\xC3", 1},
                                                  {"a\xE2\x82", 2}, {"a\xF0\x9F\x98", 3},
                                                  {"a\xC3\xA9", 0}, {"\xFF", 0}};
  for (const auto& [bytes, tail] : tails) EXPECT_EQ(IncompleteUtf8Tail(bytes), tail) << bytes;
}
