// Expansion of formatting expressions.
#include "contacts/ExpandExpression.h"

#include <algorithm>
#include <array>

#include "contacts/ContactFieldTable.h"
#include "platform/Text.h"

namespace contacts {

void ReplaceAll(std::u16string& text, std::u16string_view what, std::u16string_view by,
                size_t max_length) {
  if (what.empty()) return;
  size_t at = text.find(what);
  if (at == std::u16string::npos) return;
  std::u16string out;
  out.reserve(std::min(text.size(), max_length));
  size_t from = 0;
  while (at != std::u16string::npos && out.size() <= max_length) {
    out.append(text, from, at - from);
    out.append(by);
    from = at + what.size();
    at = text.find(what, from);
  }
  if (out.size() <= max_length) out.append(text, from, std::u16string::npos);
  if (out.size() > max_length) out.resize(max_length);
  text = std::move(out);
}

namespace {

template <typename Pred>
bool TrimEnds(std::u16string& text, Pred is_trimmed) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && is_trimmed(text[begin])) ++begin;
  while (end > begin && is_trimmed(text[end - 1])) --end;
  if (begin == 0 && end == text.size()) return false;
  text = text.substr(begin, end - begin);
  return true;
}

bool TrimCharacter(std::u16string& text, char16_t c) {
  return TrimEnds(text, [c](char16_t x) { return x == c; });
}

}  // namespace

// One round of trims can uncover another trimmed character (a comma before a trailing
// space), so the four trims repeat until a round changes nothing.
void TrimExpressionEnds(std::u16string& text) {
  bool changed = true;
  while (changed) {
    changed = TrimCharacter(text, u'-');
    changed |= TrimCharacter(text, u'/');
    changed |= TrimCharacter(text, u',');
    changed |= TrimEnds(text, platform::IsSpaceUnit);
  }
}

}  // namespace contacts

using namespace contacts;

namespace {

// Replaces `key` by the text of table row `row`, by nothing when absent; leaves it when the
// row was never requested.
void ReplaceKey(std::u16string& result, std::u16string_view key, int row,
                const ContactValues& values) {
  if (result.find(key) == std::u16string::npos) return;
  std::u16string_view text;
  switch (values.Text(row, text)) {
    case ValueState::kPresent:
      ReplaceAll(result, key, text, kMaxExpandedLength);
      break;
    case ValueState::kAbsent:
      ReplaceAll(result, key, {});
      break;
    case ValueState::kNotRequested:
      break;
  }
}

// The whole-address row of the family the shared address keys use: business when its
// street or city is present, else home likewise, else other.
int ChooseAddressFamily(const ContactValues& values) {
  for (int family_row : {kAddressFamilyRows[0], kAddressFamilyRows[1]}) {
    if (values.IsPresent(family_row + kAddressStreetOffset) ||
        values.IsPresent(family_row + kAddressCityOffset)) {
      return family_row;
    }
  }
  return kAddressFamilyRows[2];
}

struct CleanUp {
  std::u16string_view what;
  std::u16string_view by;
};

constexpr std::array<CleanUp, 9> kCleanUps = {{
    {u",\n", u"\n"},
    {u"-\n", u"\n"},
    {u"/\n", u"\n"},
    {u"[]", u""},
    {u"()", u""},
    {u"  ", u" "},
    {u"\\n", u"\n"},
    {u"\n\n", u"\n"},
    {u"\n ", u"\n"},
}};

}  // namespace

std::u16string ExpandExpression(std::u16string_view expression, const ContactListItem& record,
                                const ContactValues& values) {
  std::u16string result(expression.substr(0, kMaxExpandedLength));
  for (const KeyReplacement& r : kReplacementOrder) ReplaceKey(result, r.key, r.row, values);

  const int family_row = ChooseAddressFamily(values);
  for (const SharedAddressKey& shared : kSharedAddressKeys) {
    ReplaceKey(result, shared.key, family_row + shared.offset, values);
  }

  if (result.find(kPhoneKey) != std::u16string::npos) {
    const PhoneEntry* preferred = record.PreferredPhone();
    ReplaceAll(result, kPhoneKey, preferred ? std::u16string_view(preferred->number) : u"",
               kMaxExpandedLength);
  }

  TrimExpressionEnds(result);
  for (const CleanUp& step : kCleanUps) ReplaceAll(result, step.what, step.by);
  return result;
}
