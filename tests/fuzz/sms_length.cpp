// The SMS counter against a plain model of the network's cut, written from the rules alone:
// the GSM 7-bit alphabet as a table, and parts filled greedily one character at a time, a
// character that does not fit the part opening the next one. Alphabet, parts and the units
// left in the last part must agree for any text.
//
// The first byte chooses how the rest reads:
//   even: UTF-16 units, little-endian;
//   odd:  one byte per character from a palette (below 0x80), or a repeat of the last
//         character 1..128 times (0x80 and up), so that texts reach the part boundaries.
#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "platform/sms/SmsLength.h"

namespace {

using platform::sms::SmsAlphabet;
using namespace std::string_view_literals;

// The GSM 03.38 default alphabet (escape 0x1B excluded: it is no character) and its
// extension table, as UTF-16.
constexpr std::u16string_view kGsmBasic =
    u"@\u00A3$\u00A5\u00E8\u00E9\u00F9\u00EC\u00F2\u00C7\n\u00D8\u00F8\r\u00C5\u00E5"
    u"\u0394_\u03A6\u0393\u039B\u03A9\u03A0\u03A8\u03A3\u0398\u039E\u00C6\u00E6\u00DF\u00C9"
    u" !\"#\u00A4%&'()*+,-./0123456789:;<=>?"
    u"\u00A1ABCDEFGHIJKLMNOPQRSTUVWXYZ\u00C4\u00D6\u00D1\u00DC\u00A7"
    u"\u00BFabcdefghijklmnopqrstuvwxyz\u00E4\u00F6\u00F1\u00FC\u00E0";
constexpr std::u16string_view kGsmExtension = u"\f^{}\\[~]|\u20AC";

// Septets of every UTF-16 unit, 0 for those outside both tables.
const std::array<uint8_t, 0x10000>& SeptetTable() {
  static const auto table = [] {
    std::array<uint8_t, 0x10000> septets{};
    for (char16_t c : kGsmBasic) septets[c] = 1;
    for (char16_t c : kGsmExtension) septets[c] = 2;
    return septets;
  }();
  return table;
}

int TableSeptets(char16_t c) {
  return SeptetTable()[c];
}

bool IsHigh(char16_t c) {
  return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLow(char16_t c) {
  return c >= 0xDC00 && c <= 0xDFFF;
}

struct Cut {
  SmsAlphabet alphabet;
  int parts;
  int remaining;
};

Cut ModelCut(std::u16string_view text) {
  bool gsm = true;
  for (char16_t c : text) gsm = gsm && TableSeptets(c) > 0;
  const int single = gsm ? 160 : 70;
  const int part = gsm ? 153 : 67;
  // Each character's units: septets, or UTF-16 units with a surrogate pair as one character.
  std::vector<int> sizes;
  for (size_t i = 0; i < text.size(); ++i) {
    if (gsm) {
      sizes.push_back(TableSeptets(text[i]));
    } else if (IsHigh(text[i]) && i + 1 < text.size() && IsLow(text[i + 1])) {
      sizes.push_back(2);
      ++i;
    } else {
      sizes.push_back(1);
    }
  }
  int total = 0;
  for (int s : sizes) total += s;
  const auto alphabet = gsm ? SmsAlphabet::kGsm7 : SmsAlphabet::kUcs2;
  if (total <= single) return {alphabet, 1, single - total};
  int parts = 1;
  int used = 0;
  for (int s : sizes) {
    if (used + s > part) {
      ++parts;
      used = 0;
    }
    used += s;
  }
  return {alphabet, parts, part - used};
}

// Characters the compact form picks from: GSM ones of both widths, one that is not GSM,
// surrogate halves (paired and lone), the escape code and NUL.
constexpr std::u16string_view kPalette =
    u"aZ0 @\u00A3\u0394\u00E0\n\r\f^{}\\[~]|\u20AC`\u00EA\u00E7\u0436\u00A0\u4E2D\uFFFF"
    u"\xD83D\xDE00\xDBFF\xDFFF\x1B\0"sv;

constexpr size_t kMaxUnits = 480;

std::u16string Decode(const uint8_t* data, size_t size) {
  std::u16string text;
  if (size == 0) return text;
  if (data[0] % 2 == 0) {
    for (size_t i = 1; i + 1 < size && text.size() < kMaxUnits; i += 2) {
      text.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
    }
    return text;
  }
  for (size_t i = 1; i < size; ++i) {
    if (data[i] < 0x80) {
      text.push_back(kPalette[data[i] % kPalette.size()]);
    } else if (!text.empty()) {
      text.append((data[i] & 0x7F) + 1u, text.back());
    }
    // Four parts meet every kind of boundary; longer texts only cost time.
    if (text.size() > kMaxUnits) break;
  }
  return text;
}

// The counter's alphabet table against the model's, once for every unit.
void CheckAlphabet() {
  for (uint32_t c = 0; c <= 0xFFFF; ++c) {
    if (platform::sms::GsmSeptets(static_cast<char16_t>(c)) !=
        TableSeptets(static_cast<char16_t>(c))) {
      std::abort();
    }
  }
  if (platform::sms::AlphabetName(SmsAlphabet::kGsm7) != "gsm7" ||
      platform::sms::AlphabetName(SmsAlphabet::kUcs2) != "ucs2") {
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  CheckAlphabet();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::u16string text = Decode(data, size);
  const auto got = platform::sms::MeasureSms(text);
  const Cut want = ModelCut(text);
  const bool gsm = want.alphabet == SmsAlphabet::kGsm7;
  if (got.alphabet != want.alphabet || got.parts != want.parts || got.remaining != want.remaining ||
      got.single_limit != (gsm ? 160 : 70) || got.part_size != (gsm ? 153 : 67)) {
    std::abort();
  }
  return 0;
}
