// The network's cut of a text into SMS, table-driven: both alphabets, characters that are
// not split across parts (extension characters, surrogate pairs), exact multiples.
#include <gtest/gtest.h>

#include <string>

#include "platform/sms/SmsLength.h"

namespace {

using platform::sms::MeasureSms;
using platform::sms::SmsAlphabet;

std::u16string Repeat(std::u16string_view piece, int times) {
  std::u16string text;
  for (int i = 0; i < times; ++i) text += piece;
  return text;
}

TEST(SmsLengthTest, CutsAsTheNetworkDoes) {
  constexpr auto kGsm = SmsAlphabet::kGsm7;
  constexpr auto kUcs = SmsAlphabet::kUcs2;
  const std::u16string smile = u"\U0001F600";  // a surrogate pair
  struct Case {
    const char* what;
    std::u16string text;
    SmsAlphabet alphabet;
    int parts;
    int remaining;
  } cases[] = {
      {"empty", u"", kGsm, 1, 160},
      {"full single", Repeat(u"a", 160), kGsm, 1, 0},
      {"one over", Repeat(u"a", 161), kGsm, 2, 145},
      {"exact two parts", Repeat(u"a", 306), kGsm, 2, 0},
      {"one over two parts", Repeat(u"a", 307), kGsm, 3, 152},
      {"greek capitals are GSM", Repeat(u"\u0394", 160), kGsm, 1, 0},
      {"line breaks are GSM", u"a\r\nb", kGsm, 1, 156},
      {"latin-1 outside GSM", u"\u00EA", kUcs, 1, 69},
      {"euro takes two septets", Repeat(u"\u20AC", 80), kGsm, 1, 0},
      {"extension not split", Repeat(u"\u20AC", 81), kGsm, 2, 143},
      {"extension fits single", Repeat(u"a", 152) + u"{", kGsm, 1, 6},
      {"extension at boundary", Repeat(u"a", 152) + u"{" + Repeat(u"a", 8), kGsm, 2, 143},
      {"ucs2 full single", Repeat(u"\u0436", 70), kUcs, 1, 0},
      {"ucs2 one over", Repeat(u"\u0436", 71), kUcs, 2, 63},
      {"ucs2 exact two parts", Repeat(u"\u0436", 134), kUcs, 2, 0},
      {"ucs2 one over two parts", Repeat(u"\u0436", 135), kUcs, 3, 66},
      {"one foreign char switches all", Repeat(u"a", 69) + u"\u0436", kUcs, 1, 0},
      {"pair counts two units", Repeat(u"a", 66) + smile + u"\u0436", kUcs, 1, 1},
      {"pair not split", Repeat(u"\u0436", 66) + smile + Repeat(u"\u0436", 4), kUcs, 2, 61},
      {"lone surrogate", std::u16string(u"\u0436") + char16_t{0xD83D}, kUcs, 1, 68},
      {"escape code is no character", std::u16string(1, char16_t{0x1B}), kUcs, 1, 69},
      {"nul is no character", std::u16string(1, char16_t{0}), kUcs, 1, 69},
  };
  for (const Case& c : cases) {
    const auto length = MeasureSms(c.text);
    EXPECT_EQ(length.alphabet, c.alphabet) << c.what;
    EXPECT_EQ(length.parts, c.parts) << c.what;
    EXPECT_EQ(length.remaining, c.remaining) << c.what;
    EXPECT_EQ(length.single_limit, c.alphabet == kGsm ? 160 : 70) << c.what;
    EXPECT_EQ(length.part_size, c.alphabet == kGsm ? 153 : 67) << c.what;
  }
}

}  // namespace
