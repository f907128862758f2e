// ICU-backed implementation of the UTF-16 helpers.
#include "platform/Text.h"

#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/uchar.h>
#include <unicode/ucol.h>
#include <unicode/udat.h>
#include <unicode/ustring.h>
#include <unicode/uvernum.h>

#include <memory>
#include <mutex>

namespace platform {

namespace {

struct CollatorDeleter {
  void operator()(UCollator* c) const { ucol_close(c); }
};
using CollatorPtr = std::unique_ptr<UCollator, CollatorDeleter>;

// The root collation with hyphens (U+002D, U+2010, U+2011) and apostrophes (U+0027, U+2019)
// made completely ignorable, like the control characters of the root collation.
constexpr char16_t kNoCaseRules[] =
    u"&[last tertiary ignorable] = '-' = \u2010 = \u2011"
    u" = \\' = \u2019";

enum class CollatorKind { kNoCase, kTertiary };

CollatorPtr OpenCollator(CollatorKind kind) {
  UErrorCode status = U_ZERO_ERROR;
  CollatorPtr collator;
  if (kind == CollatorKind::kNoCase) {
    UParseError error{};
    collator.reset(ucol_openRules(kNoCaseRules, -1, UCOL_DEFAULT, UCOL_SECONDARY, &error, &status));
  } else {
    collator.reset(ucol_open("", &status));
    if (U_SUCCESS(status)) ucol_setStrength(collator.get(), UCOL_TERTIARY);
  }
  if (U_FAILURE(status)) collator.reset();
  return collator;
}

// Opening the tailored collator compiles its rules (about 14 ms), so each kind is opened once
// per process and cloned per thread, which is cheap.
const UCollator* ProcessCollator(CollatorKind kind) {
  if (kind == CollatorKind::kNoCase) {
    static const CollatorPtr no_case = OpenCollator(kind);
    return no_case.get();
  }
  static const CollatorPtr tertiary = OpenCollator(kind);
  return tertiary.get();
}

CollatorPtr CloneCollator(const UCollator* collator) {
  if (!collator) return nullptr;
  UErrorCode status = U_ZERO_ERROR;
#if U_ICU_VERSION_MAJOR_NUM >= 71
  CollatorPtr clone(ucol_clone(collator, &status));
#else
  CollatorPtr clone(ucol_safeClone(collator, nullptr, nullptr, &status));
#endif
  if (U_FAILURE(status)) clone.reset();
  return clone;
}

// ICU collators are not thread-safe for concurrent use; each thread gets its own clone.
UCollator* ThreadCollator(CollatorKind kind) {
  thread_local CollatorPtr no_case;
  thread_local CollatorPtr tertiary;
  CollatorPtr& slot = kind == CollatorKind::kNoCase ? no_case : tertiary;
  if (!slot) slot = CloneCollator(ProcessCollator(kind));
  return slot.get();
}

std::string SortKey(UCollator* collator, std::u16string_view text) {
  std::string key(text.size() * 4 + 16, '\0');
  for (;;) {
    const int32_t need =
        ucol_getSortKey(collator, text.data(), static_cast<int32_t>(text.size()),
                        reinterpret_cast<uint8_t*>(key.data()), static_cast<int32_t>(key.size()));
    if (need <= static_cast<int32_t>(key.size())) {
      key.resize(need > 0 ? static_cast<size_t>(need - 1) : 0);  // drop the terminating 0
      return key;
    }
    key.resize(static_cast<size_t>(need));
  }
}

// What the no-case comparison ignores when ICU is unavailable.
bool IsHyphenOrApostrophe(char16_t c) {
  return c == u'-' || c == u'\u2010' || c == u'\u2011' || c == u'\'' || c == u'\u2019';
}

std::u16string WithoutHyphensAndApostrophes(std::u16string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (char16_t c : text) {
    if (!IsHyphenOrApostrophe(c)) out.push_back(c);
  }
  return out;
}

}  // namespace

std::u16string FromUtf8(std::string_view utf8) {
  std::u16string out;
  out.reserve(utf8.size());
  size_t i = 0;
  const size_t n = utf8.size();
  while (i < n) {
    UChar32 c = 0;
    int32_t offset = static_cast<int32_t>(i);
    U8_NEXT(reinterpret_cast<const uint8_t*>(utf8.data()), offset, static_cast<int32_t>(n), c);
    i = static_cast<size_t>(offset);
    if (c < 0) c = 0xFFFD;
    if (c <= 0xFFFF) {
      out.push_back(static_cast<char16_t>(c));
    } else {
      out.push_back(static_cast<char16_t>(U16_LEAD(c)));
      out.push_back(static_cast<char16_t>(U16_TRAIL(c)));
    }
  }
  return out;
}

std::string ToUtf8(std::u16string_view utf16) {
  std::string out;
  out.reserve(utf16.size());
  size_t i = 0;
  const size_t n = utf16.size();
  while (i < n) {
    UChar32 c = 0;
    U16_NEXT(utf16.data(), i, n, c);
    if (U_IS_SURROGATE(c)) c = 0xFFFD;
    uint8_t buf[4];
    int32_t len = 0;
    UBool error = false;
    U8_APPEND(buf, len, 4, c, error);
    if (error) continue;
    out.append(reinterpret_cast<const char*>(buf), static_cast<size_t>(len));
  }
  return out;
}

std::u16string FromWindows1252(std::string_view bytes) {
  static constexpr char16_t kHigh[32] = {
      0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
      0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
      0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
  std::u16string out;
  out.reserve(bytes.size());
  for (unsigned char b : bytes) {
    out.push_back(b >= 0x80 && b < 0xA0 ? kHigh[b - 0x80] : static_cast<char16_t>(b));
  }
  return out;
}

bool IsValidUtf8(std::string_view bytes) {
  const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
  const int32_t length = static_cast<int32_t>(bytes.size());
  int32_t offset = 0;
  while (offset < length) {
    UChar32 c = 0;
    U8_NEXT(data, offset, length, c);
    if (c < 0) return false;
  }
  return true;
}

size_t IncompleteUtf8Tail(std::string_view bytes) {
  for (size_t k = 1; k <= 3 && k <= bytes.size(); ++k) {
    const uint8_t c = static_cast<uint8_t>(bytes[bytes.size() - k]);
    if (U8_IS_TRAIL(c)) continue;
    const size_t length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
    return U8_IS_LEAD(c) && length > k ? k : 0;
  }
  return 0;
}

std::optional<ByteOrderMark> FindByteOrderMark(std::string_view bytes) {
  if (bytes.starts_with("\xEF\xBB\xBF")) return ByteOrderMark{TextEncoding::kUtf8, 3};
  if (bytes.starts_with("\xFF\xFE")) return ByteOrderMark{TextEncoding::kUtf16LittleEndian, 2};
  if (bytes.starts_with("\xFE\xFF")) return ByteOrderMark{TextEncoding::kUtf16BigEndian, 2};
  return std::nullopt;
}

ByteOrderMark DetectTextEncoding(std::string_view bytes) {
  if (auto mark = FindByteOrderMark(bytes)) return *mark;
  return {IsValidUtf8(bytes) ? TextEncoding::kUtf8 : TextEncoding::kWindows1252, 0};
}

std::u16string DecodeText(std::string_view bytes, TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::kUtf8:
      return FromUtf8(bytes);
    case TextEncoding::kWindows1252:
      return FromWindows1252(bytes);
    case TextEncoding::kUtf16LittleEndian:
    case TextEncoding::kUtf16BigEndian:
      break;
  }
  const bool big_endian = encoding == TextEncoding::kUtf16BigEndian;
  std::u16string out;
  out.reserve(bytes.size() / 2);
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto first = static_cast<uint8_t>(bytes[i]);
    const auto second = static_cast<uint8_t>(bytes[i + 1]);
    out.push_back(big_endian ? static_cast<char16_t>((first << 8) | second)
                             : static_cast<char16_t>(first | (second << 8)));
  }
  return out;
}

std::u16string DecodeText(std::string_view bytes) {
  const ByteOrderMark detected = DetectTextEncoding(bytes);
  return DecodeText(bytes.substr(detected.length), detected.encoding);
}

char16_t ToUpperUnit(char16_t c) {
  if (U16_IS_SURROGATE(c)) return c;
  UChar32 u = u_toupper(c);
  return u <= 0xFFFF ? static_cast<char16_t>(u) : c;
}

char16_t ToLowerUnit(char16_t c) {
  if (U16_IS_SURROGATE(c)) return c;
  UChar32 u = u_tolower(c);
  return u <= 0xFFFF ? static_cast<char16_t>(u) : c;
}

std::u16string ToUpper(std::u16string_view text) {
  std::u16string out(text);
  for (auto& c : out) c = ToUpperUnit(c);
  return out;
}

std::u16string ToLower(std::u16string_view text) {
  std::u16string out(text);
  for (auto& c : out) c = ToLowerUnit(c);
  return out;
}

bool IsSpaceUnit(char16_t c) { return u_isUWhiteSpace(c) || c == u'\t'; }
bool IsDigitUnit(char16_t c) { return u_isdigit(c); }
bool IsAlphaUnit(char16_t c) { return u_isalpha(c); }

int CompareNoCase(std::u16string_view a, std::u16string_view b) {
  UCollator* coll = ThreadCollator(CollatorKind::kNoCase);
  if (!coll) {
    return CompareOrdinalNoCase(WithoutHyphensAndApostrophes(a), WithoutHyphensAndApostrophes(b));
  }
  return static_cast<int>(ucol_strcoll(coll, a.data(), static_cast<int32_t>(a.size()), b.data(),
                                       static_cast<int32_t>(b.size())));
}

std::string NoCaseSortKey(std::u16string_view text) {
  UCollator* coll = ThreadCollator(CollatorKind::kNoCase);
  if (!coll) return ToUtf8(ToUpper(WithoutHyphensAndApostrophes(text)));
  return SortKey(coll, text);
}

bool SameBaseLetter(char16_t a, char16_t b) {
  if (a == b) return true;
  // The first level of a sort key (up to its level separator 01) is the base letter.
  auto base = [](char16_t c) {
    std::string key = NoCaseSortKey(std::u16string_view(&c, 1));
    return key.substr(0, key.find('\x01'));
  };
  const std::string base_a = base(a);
  return !base_a.empty() && base_a == base(b);
}

char16_t FirstComparedUnit(std::u16string_view text) {
  UCollator* coll = ThreadCollator(CollatorKind::kNoCase);
  for (char16_t c : text) {
    // Compared with the empty text: equal only when the collation ignores the unit entirely.
    const bool ignored =
        coll ? !U16_IS_SURROGATE(c) && ucol_strcoll(coll, &c, 1, u"", 0) == UCOL_EQUAL
             : IsHyphenOrApostrophe(c);
    if (!ignored) return c;
  }
  return text.empty() ? char16_t{0} : text.front();
}

int CompareOrdinalNoCase(std::u16string_view a, std::u16string_view b) {
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    char16_t x = ToUpperUnit(a[i]);
    char16_t y = ToUpperUnit(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

int CompareCollated(std::u16string_view a, std::u16string_view b) {
  UCollator* coll = ThreadCollator(CollatorKind::kTertiary);
  if (!coll) return a.compare(b);
  return static_cast<int>(ucol_strcoll(coll, a.data(), static_cast<int32_t>(a.size()), b.data(),
                                       static_cast<int32_t>(b.size())));
}

std::string CollationKey(std::u16string_view text) {
  UCollator* coll = ThreadCollator(CollatorKind::kTertiary);
  if (!coll) return ToUtf8(text);
  return SortKey(coll, text);
}

std::u16string Trim(std::u16string_view text) {
  size_t b = 0;
  size_t e = text.size();
  while (b < e && IsSpaceUnit(text[b])) ++b;
  while (e > b && IsSpaceUnit(text[e - 1])) --e;
  return std::u16string(text.substr(b, e - b));
}

namespace {

std::u16string FormatWith(int64_t unix_seconds, UDateFormatStyle time_style,
                          UDateFormatStyle date_style) {
  UErrorCode status = U_ZERO_ERROR;
  UDateFormat* fmt = udat_open(time_style, date_style, nullptr, nullptr, -1, nullptr, 0, &status);
  if (U_FAILURE(status)) return {};
  UChar buf[64];
  int32_t len = udat_format(fmt, static_cast<UDate>(unix_seconds) * 1000.0, buf, 64, nullptr,
                            &status);
  udat_close(fmt);
  if (U_FAILURE(status) || len < 0) return {};
  return std::u16string(reinterpret_cast<const char16_t*>(buf),
                        static_cast<size_t>(std::min(len, 63)));
}

}  // namespace

std::u16string FormatShortDate(int64_t unix_seconds) {
  return FormatWith(unix_seconds, UDAT_NONE, UDAT_SHORT);
}

std::u16string FormatShortTime(int64_t unix_seconds) {
  return FormatWith(unix_seconds, UDAT_SHORT, UDAT_NONE);
}

std::u16string ToU16(int64_t value) {
  std::string s = std::to_string(value);
  return std::u16string(s.begin(), s.end());
}

}  // namespace platform
