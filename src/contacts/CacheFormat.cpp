// Escaping, phone lines and number conversion of the contact cache.
#include "contacts/CacheFormat.h"

#include <limits>

#include "contacts/ExpandExpression.h"
#include "platform/Text.h"

namespace contacts {

std::u16string EscapeCacheValue(std::u16string_view value) {
  std::u16string out(u"#");
  out += value;
  ReplaceAll(out, u"\r\n", u"\\n");
  ReplaceAll(out, u"\n", u"\\n");
  return out;
}

std::u16string UnescapeCacheLine(std::u16string_view line) {
  std::u16string out(line);
  ReplaceAll(out, kCacheLineEnd, u"");
  // Our writer ends every line with CR LF; a damaged file may end one with LF alone.
  if (!out.empty() && out.back() == u'\n') out.pop_back();
  ReplaceAll(out, u"\\n", kCacheLineEnd);
  if (!out.empty()) out.erase(0, 1);
  return out;
}

std::u16string FormatPhoneLine(const std::vector<PhoneEntry>& phones) {
  std::u16string out;
  for (const PhoneEntry& entry : phones) {
    if (entry.number.empty() || entry.number.find(kPhoneSeparator) != std::u16string::npos) {
      continue;
    }
    out += platform::ToU16(static_cast<int32_t>(entry.field_id));
    out += kPhoneSeparator;
    out += entry.number;
    out += kPhoneSeparator;
  }
  return out;
}

std::vector<PhoneEntry> ParsePhoneLine(std::u16string_view value) {
  std::vector<std::u16string_view> pieces;
  size_t from = 0;
  while (from <= value.size()) {
    size_t at = value.find(kPhoneSeparator, from);
    if (at == std::u16string_view::npos) at = value.size();
    if (at > from) pieces.push_back(value.substr(from, at - from));
    from = at + 1;
  }
  std::vector<PhoneEntry> phones;
  for (size_t i = 0; i + 1 < pieces.size(); i += 2) {
    phones.push_back(PhoneEntry{std::u16string(pieces[i + 1]),
                                static_cast<uint32_t>(ParseLenientInteger(pieces[i]))});
  }
  return phones;
}

int32_t ParseLenientInteger(std::u16string_view text) {
  size_t i = 0;
  while (i < text.size() && platform::IsSpaceUnit(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) negative = text[i++] == u'-';
  constexpr int64_t kMax = std::numeric_limits<int32_t>::max();
  constexpr int64_t kMin = std::numeric_limits<int32_t>::min();
  int64_t value = 0;
  for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
    value = value * 10 + (text[i] - u'0');
    if (value > kMax + 1) value = kMax + 1;  // saturate; clamped below
  }
  if (negative) value = -value;
  return static_cast<int32_t>(value < kMin ? kMin : (value > kMax ? kMax : value));
}

}  // namespace contacts
