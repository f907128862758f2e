#include "platform/sip/PhoneKeypadLayout.h"

#include <array>

#include "platform/Text.h"

namespace platform::sip {

namespace {

struct PhoneKey {
  char16_t digit;
  std::u16string_view hint;
  std::u16string_view letters;  // the multi-tap cycle
};

// Index order: 1..9, 0, #.
constexpr std::array<PhoneKey, 11> kPhoneKeys{{
    {u'1', u".,?!", u".,?!'-@1"},
    {u'2', u"abc", u"abc2\u00E4\u00E0\u00E1\u00E2\u00E5\u00E6\u00E7"},
    {u'3', u"def", u"def3\u00E9\u00E8\u00EA\u00EB\u0119"},
    {u'4', u"ghi", u"ghi4\u00ED\u00EC\u00EE\u00EF"},
    {u'5', u"jkl", u"jkl5\u0142"},
    {u'6', u"mno", u"mno6\u00F6\u00F3\u00F2\u00F4\u00F8\u00F1"},
    {u'7', u"pqrs", u"pqrs7\u00DF\u0159"},
    {u'8', u"tuv", u"tuv8\u00FC\u00FA\u00F9\u010D"},
    {u'9', u"wxyz", u"wxyz9\u00FD\u017C"},
    {u'0', u"\u2423", u" 0"},
    {u'#', u"", u"#*+=/()%&"},
}};

KeySpec PhoneKeySpec(size_t index) {
  const PhoneKey& key = kPhoneKeys[index];
  return KeySpec{std::u16string(1, key.digit), KeyRole::kMultiTap,
                 std::u16string(key.letters),  2,
                 static_cast<int>(index),      std::u16string(key.hint)};
}

std::u16string_view CaseLabel(PhoneKeypadLayout::Case letter_case) {
  switch (letter_case) {
    case PhoneKeypadLayout::Case::kOnce:
      return u"Abc";
    case PhoneKeypadLayout::Case::kUpper:
      return u"ABC";
    default:
      return u"abc";
  }
}

}  // namespace

std::vector<SoftKey> PhoneKeypadLayout::Keys(int width, int height) const {
  using R = KeyRole;
  const KeyRows rows{
      {PhoneKeySpec(0), PhoneKeySpec(1), PhoneKeySpec(2), KeySpec{u"\u232B", R::kBackspace}},
      {PhoneKeySpec(3), PhoneKeySpec(4), PhoneKeySpec(5), KeySpec{u"space", R::kText, u" "}},
      {PhoneKeySpec(6), PhoneKeySpec(7), PhoneKeySpec(8), KeySpec{u"\u23CE", R::kReturn}},
      {KeySpec{std::u16string(CaseLabel(case_)), R::kCase}, PhoneKeySpec(9), PhoneKeySpec(10),
       KeySpec{digits_ ? u"abc" : u"123", R::kPage}},
  };
  std::vector<SoftKey> keys = LayRows(rows, width, height);
  for (SoftKey& key : keys) {
    if (key.role == KeyRole::kMultiTap && digits_) key.hint.clear();
    if (key.role == KeyRole::kMultiTap && key.target == pending_key_) key.lit = true;
    if (key.role == KeyRole::kCase) key.lit = case_ != Case::kLower;
  }
  return keys;
}

std::u16string PhoneKeypadLayout::Cased(char16_t letter) const {
  return std::u16string(1, case_ == Case::kLower ? letter : ToUpperUnit(letter));
}

KeyOutput PhoneKeypadLayout::Tap(const SoftKey& key, uint32_t) {
  KeyOutput out;
  if (key.role == KeyRole::kMultiTap && !digits_) {
    const std::u16string_view letters = kPhoneKeys[static_cast<size_t>(key.target)].letters;
    if (pending_key_ == key.target) {
      cycle_ = (cycle_ + 1) % letters.size();
      out.backspaces = 1;
    } else {
      EndPending();
      pending_key_ = key.target;
      cycle_ = 0;
    }
    out.text = Cased(letters[cycle_]);
    return out;
  }
  EndPending();
  switch (key.role) {
    case KeyRole::kMultiTap:
      out.text = std::u16string(1, kPhoneKeys[static_cast<size_t>(key.target)].digit);
      break;
    case KeyRole::kText:
      out.text = key.text;
      break;
    case KeyRole::kBackspace:
      out.backspaces = 1;
      break;
    case KeyRole::kReturn:
      out.enter = true;
      break;
    case KeyRole::kCase:
      case_ = case_ == Case::kLower ? Case::kOnce
                                    : (case_ == Case::kOnce ? Case::kUpper : Case::kLower);
      break;
    case KeyRole::kPage:
      digits_ = !digits_;
      break;
    default:
      break;
  }
  return out;
}

void PhoneKeypadLayout::EndPending() {
  if (pending_key_ < 0) return;
  pending_key_ = -1;
  cycle_ = 0;
  if (case_ == Case::kOnce) case_ = Case::kLower;
}

void PhoneKeypadLayout::Reset() {
  EndPending();
  digits_ = false;
  case_ = Case::kLower;
}

}  // namespace platform::sip
