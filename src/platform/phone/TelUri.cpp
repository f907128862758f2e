#include "platform/phone/TelUri.h"

#include <cstddef>

namespace platform::phone {

namespace {

// The value 0..9 of a decimal digit of the scripts phones write numbers in (ASCII, full
// width, Arabic-Indic, Extended Arabic-Indic, Devanagari), or -1.
int DigitValue(char16_t c) {
  static constexpr char16_t kZeros[] = {u'0', u'\uFF10', u'\u0660', u'\u06F0', u'\u0966'};
  for (char16_t zero : kZeros) {
    if (c >= zero && c <= zero + 9) return c - zero;
  }
  return -1;
}

char16_t AsciiLower(char16_t c) {
  return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

bool IsAsciiLetter(char16_t c) {
  const char16_t lower = AsciiLower(c);
  return lower >= u'a' && lower <= u'z';
}

// The pause and wait of dial strings.
bool IsPause(char16_t c) {
  return c == u',' || c == u';';
}

// When an extension marker ("x", "ext", "ext.") starts at `at` and is followed by spaces and
// at least one digit up to the end, its digits; else empty.
std::string ExtensionAt(std::u16string_view number, size_t at) {
  std::u16string_view rest = number.substr(at);
  auto starts = [&rest](std::u16string_view word) {
    if (rest.size() < word.size()) return false;
    for (size_t i = 0; i < word.size(); ++i) {
      if (AsciiLower(rest[i]) != word[i]) return false;
    }
    return true;
  };
  if (starts(u"ext.")) {
    rest.remove_prefix(4);
  } else if (starts(u"ext")) {
    rest.remove_prefix(3);
  } else if (starts(u"x")) {
    rest.remove_prefix(1);
  } else {
    return {};
  }
  std::string digits;
  for (char16_t c : rest) {
    if (const int value = DigitValue(c); value >= 0) {
      digits.push_back(static_cast<char>('0' + value));
    } else if (c != u' ' && c != u'-' && c != u'.') {
      return {};
    }
  }
  return digits;
}

}  // namespace

std::optional<std::string> MakeTelUri(std::u16string_view number) {
  std::string dialled;
  std::string extension;
  bool has_digit = false;
  for (size_t i = 0; i < number.size(); ++i) {
    const char16_t c = number[i];
    if (const int value = DigitValue(c); value >= 0) {
      dialled.push_back(static_cast<char>('0' + value));
      has_digit = true;
    } else if (c == u'+') {
      if (dialled.empty()) dialled.push_back('+');
    } else if (c == u'*') {
      dialled.push_back('*');
    } else if (c == u'#') {
      dialled += "%23";
    } else if (has_digit && (IsPause(c) || IsAsciiLetter(c))) {
      // An extension at the end is kept; any other letter starts what is not dialled (a
      // pause "p" or wait "w", a note such as "home"). Before the first digit a letter
      // belongs to a label ("Tel:") and is dropped.
      extension = ExtensionAt(number, i);
      break;
    }
  }
  if (!has_digit) return std::nullopt;
  std::string uri = "tel:" + dialled;
  if (!extension.empty()) uri += ";ext=" + extension;
  return uri;
}

}  // namespace platform::phone
