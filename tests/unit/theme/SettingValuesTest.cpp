// Cutting texts and parsing each kind of settings value, including garbage.
#include <gtest/gtest.h>

#include "theme/LanguageText.h"
#include "theme/SettingValues.h"
#include "theme/SplitText.h"

namespace theme {
namespace {

using Pieces = std::vector<std::u16string>;

TEST(SplitText, CutsAtEverySeparatorAndDropsEmptyPieces) {
  struct Case {
    std::u16string text, separator;
    Pieces expected;
  };
  const Case cases[] = {
      {u"a,,b", u",", {u"a", u"b"}},
      {u",a", u",", {u"a"}},
      {u",", u",", {}},
      {u",,,", u",", {}},
      {u"", u",", {u""}},
      {u"abc", u",", {u"abc"}},
      {u"12, bold", u",", {u"12", u" bold"}},
      {u"a\r\nb\r\n\r\nc", u"\r\n", {u"a", u"b", u"c"}},
      {u"a\nb", u"\r\n", {u"a\nb"}},
      {u"xxaxx", u"xx", {u"a"}},
  };
  for (const auto& c : cases) EXPECT_EQ(SplitText(c.text, c.separator), c.expected);
}

TEST(ParseInteger, TakesTheLeadingNumberAndSaturates) {
  const std::pair<std::u16string, int32_t> cases[] = {
      {u"12px", 12},
      {u"  -7", -7},
      {u"+5", 5},
      {u"abc", 0},
      {u"", 0},
      {u"- 3", 0},
      {u"\t42 ", 42},
      {u"99999999999", 2147483647},
      {u"-99999999999", -2147483647 - 1},
      {u"\u0663", 0},  // a non-ASCII digit is not a digit of the syntax
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(ParseInteger(text), value);
  EXPECT_TRUE(ParseBoolean(u"1"));
  EXPECT_FALSE(ParseBoolean(u"0"));
  EXPECT_FALSE(ParseBoolean(u"yes"));
  EXPECT_TRUE(ParseBoolean(u"-2"));
}

TEST(ParseDecimal, ReadsFiniteNumbersOnly) {
  EXPECT_FLOAT_EQ(*ParseDecimal(u"1.02"), 1.02f);
  EXPECT_FLOAT_EQ(*ParseDecimal(u" -2.5e1x"), -25.f);
  EXPECT_FLOAT_EQ(*ParseDecimal(u".5"), 0.5f);
  EXPECT_FLOAT_EQ(*ParseDecimal(u"3e"), 3.f);
  EXPECT_EQ(ParseDecimal(u"0x10"), 0.f);  // like the scan format
  for (const std::u16string bad : {u"abc", u"", u".", u"-", u"nan", u"inf", u"1e999"}) {
    EXPECT_FALSE(ParseDecimal(bad).has_value()) << std::string(bad.begin(), bad.end());
  }
}

TEST(ParseColor, ThreeNumbersCutToEightBits) {
  EXPECT_EQ(ParseColor(u"255,0,0"), RGB(255, 0, 0));
  EXPECT_EQ(ParseColor(u"0,0,255"), 0xFF0000u);
  EXPECT_EQ(ParseColor(u"10,20"), kInvalidColor);
  EXPECT_EQ(ParseColor(u"300,0,0"), RGB(44, 0, 0));
  EXPECT_EQ(ParseColor(u"1,2,3,4"), RGB(1, 2, 3));
  EXPECT_EQ(ParseColor(u"-1,0,0"), RGB(255, 0, 0));
  EXPECT_EQ(ParseColor(u"a,b,c"), RGB(0, 0, 0));
  EXPECT_EQ(ParseColor(u""), kInvalidColor);
}

TEST(ParseBox, FourNumbersOrUnchanged) {
  const RECT current{5, 6, 7, 8};
  EXPECT_EQ(ParseBox(u"1,2,3", current), current);
  EXPECT_EQ(ParseBox(u"0,0,240,40", current), (RECT{0, 0, 240, 40}));
  EXPECT_EQ(ParseBox(u"-1,0,43,31,99", current), (RECT{-1, 0, 43, 31}));
  EXPECT_EQ(ParseBox(u",,,,", current), current);
}

TEST(ParseFontDescription, SizeStyleAndFace) {
  struct Case {
    std::u16string value;
    int height, weight;
    bool italic;
    std::u16string face;
    bool registers;
  };
  const Case cases[] = {
      {u"10", 10, 400, false, u"Tahoma", false},
      {u"12,bold", 12, 700, false, u"Tahoma", false},
      {u"12,italic", 12, 400, true, u"Tahoma", false},
      {u"12,bold,italic", 12, 700, false, u"italic", true},
      {u"12,Bold", 12, 400, false, u"Tahoma", false},
      {u"12, bold", 12, 400, false, u"Tahoma", false},
      {u"24,bold,segoe ui", 24, 700, false, u"segoe ui", true},
      {u",,,", 12, 400, false, u"Tahoma", false},  // no pieces: default size
      {u"-14", 14, 400, false, u"Tahoma", false},
      {u"100000", kMaxFontPixels, 400, false, u"Tahoma", false},
      {u"12,x,../../etc/font", 12, 400, false, u"Tahoma", false},
      {u"12,x,a/b", 12, 400, false, u"Tahoma", false},
      {u"12,x,a\u0001b", 12, 400, false, u"Tahoma", false},
      {u"12,x,0123456789012345678901234567890", 12, 400, false, u"0123456789012345678901234567890",
       true},                                                                        // 31 units fit
      {u"12,x,01234567890123456789012345678901", 12, 400, false, u"Tahoma", false},  // 32 do not
  };
  for (const auto& c : cases) {
    const ParsedFont font = ParseFontDescription(c.value);
    SCOPED_TRACE(std::string(c.value.begin(), c.value.end()));
    EXPECT_EQ(font.description.pixel_height, c.height);
    EXPECT_EQ(font.description.weight, c.weight);
    EXPECT_EQ(font.description.italic, c.italic);
    EXPECT_EQ(font.description.face, c.face);
    EXPECT_EQ(font.register_face_file, c.registers);
  }
}

TEST(LanguageText, PlaceholderAndSafeFilling) {
  EXPECT_EQ(ParseLanguageText(u"Habitant \u00e0 {0}"), u"Habitant \u00e0 %s");
  EXPECT_EQ(ParseLanguageText(u"Filter: {0} / {0}"), u"Filter: %s / %s");
  EXPECT_EQ(ParseLanguageText(u"{0"), u"{0");
  EXPECT_EQ(FormatText(u"Living in %s", u"Paris"), u"Living in Paris");
  EXPECT_EQ(FormatText(u"Filter: %s / %s", u"ab"), u"Filter: ab / %s");
  EXPECT_EQ(FormatText(u"100% %d %n %s", u"x"), u"100% %d %n x");
  EXPECT_EQ(FormatText(u"No value", u"x"), u"No value");
  EXPECT_EQ(FormatText(u"%s", u"%s%n"), u"%s%n");
}

}  // namespace
}  // namespace theme
