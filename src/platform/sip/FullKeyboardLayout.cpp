#include "platform/sip/FullKeyboardLayout.h"

#include "platform/Text.h"

namespace platform::sip {

namespace {

constexpr uint32_t kCapsLockMs = 400;

KeySpec Letter(std::u16string text) {
  return KeySpec{text, KeyRole::kText, text};
}

std::vector<KeySpec> LetterRow(std::u16string_view letters) {
  std::vector<KeySpec> row;
  for (char16_t c : letters) row.push_back(Letter(std::u16string(1, c)));
  return row;
}

KeySpec Special(std::u16string label, KeyRole role, int half_keys, int target = 0) {
  return KeySpec{std::move(label), role, u"", half_keys, target};
}

std::vector<KeySpec> Joined(std::vector<KeySpec> first, std::vector<KeySpec> middle,
                            std::vector<KeySpec> last) {
  first.insert(first.end(), middle.begin(), middle.end());
  first.insert(first.end(), last.begin(), last.end());
  return first;
}

KeyRows Rows(int page) {
  using R = KeyRole;
  const KeySpec shift = Special(u"\u21E7", R::kShift, 3);
  const KeySpec back = Special(u"\u232B", R::kBackspace, 3);
  const KeySpec enter = Special(u"\u23CE", R::kReturn, 3);
  const KeySpec space{u"space", R::kText, u" ", 8};
  switch (page) {
    case FullKeyboardLayout::kSymbols:
      return {LetterRow(u"1234567890"),
              LetterRow(u"-/:;()\u20AC&@\""),
              Joined({}, LetterRow(u"+=%*#?!'"), {Special(u"\u232B", R::kBackspace, 4)}),
              {Special(u"ABC", R::kPage, 3, FullKeyboardLayout::kLetters),
               Special(u"\u00E0\u00E9", R::kPage, 2, FullKeyboardLayout::kAccents), Letter(u","),
               space, Letter(u"."), enter}};
    case FullKeyboardLayout::kAccents:
      return {LetterRow(u"\u00E0\u00E1\u00E2\u00E4\u00E5\u00E6\u00E7\u00E8\u00E9\u00EA"),
              LetterRow(u"\u00EB\u00EC\u00ED\u00EE\u00EF\u0142\u00F1\u00F2\u00F3\u00F4"),
              Joined({Special(u"\u21E7", R::kShift, 2)},
                     LetterRow(u"\u00F6\u00F8\u00DF\u00F9\u00FA\u00FC\u00FD\u0119"),
                     {Special(u"\u232B", R::kBackspace, 2)}),
              {Special(u"ABC", R::kPage, 3, FullKeyboardLayout::kLetters),
               Special(u"123", R::kPage, 2, FullKeyboardLayout::kSymbols), Letter(u"\u017C"),
               KeySpec{u"space", R::kText, u" ", 6}, Letter(u"\u010D"), Letter(u"\u0159"), enter}};
    default:
      return {LetterRow(u"qwertyuiop"),
              LetterRow(u"asdfghjkl"),
              Joined({shift}, LetterRow(u"zxcvbnm"), {back}),
              {Special(u"123", R::kPage, 3, FullKeyboardLayout::kSymbols),
               Special(u"\u00E0\u00E9", R::kPage, 2, FullKeyboardLayout::kAccents), Letter(u","),
               space, Letter(u"."), enter}};
  }
}

}  // namespace

std::vector<SoftKey> FullKeyboardLayout::Keys(int width, int height) const {
  std::vector<SoftKey> keys = LayRows(Rows(page_), width, height);
  const bool shifted = shift_ != Shift::kOff && page_ != kSymbols;
  for (SoftKey& key : keys) {
    if (key.role == KeyRole::kShift) {
      key.lit = shift_ != Shift::kOff;
      if (shift_ == Shift::kLocked) key.label = u"\u21EA";
    } else if (key.role == KeyRole::kText && shifted && key.text != u" ") {
      key.label = ToUpper(key.label);
      key.text = ToUpper(key.text);
    }
  }
  return keys;
}

KeyOutput FullKeyboardLayout::Tap(const SoftKey& key, uint32_t now_ms) {
  KeyOutput out;
  switch (key.role) {
    case KeyRole::kText:
      out.text = key.text;
      if (shift_ == Shift::kOnce && key.text != u" ") shift_ = Shift::kOff;
      break;
    case KeyRole::kShift:
      if (shift_ == Shift::kOnce && now_ms - shift_tapped_ms_ <= kCapsLockMs) {
        shift_ = Shift::kLocked;
      } else {
        shift_ = shift_ == Shift::kOff ? Shift::kOnce : Shift::kOff;
      }
      shift_tapped_ms_ = now_ms;
      break;
    case KeyRole::kPage:
      page_ = key.target;
      shift_ = Shift::kOff;
      break;
    case KeyRole::kBackspace:
      out.backspaces = 1;
      break;
    case KeyRole::kReturn:
      out.enter = true;
      break;
    default:
      break;
  }
  return out;
}

void FullKeyboardLayout::Reset() {
  page_ = kLetters;
  shift_ = Shift::kOff;
}

}  // namespace platform::sip
