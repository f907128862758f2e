#include "platform/input/EditText.h"

#include <algorithm>

#include "platform/Text.h"

namespace platform::input {

namespace {

constexpr char16_t kReplacement = 0xFFFD;

bool IsLineBreak(char16_t c) {
  return c == u'\r' || c == u'\n';
}

// Control characters an edit box never takes in: C0 other than tab and line breaks, DEL, C1.
bool IsRefusedControl(char16_t c) {
  if (c == u'\t' || IsLineBreak(c)) return false;
  return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0xFFFE || c == 0xFFFF;
}

bool IsWordUnit(char16_t c) {
  return IsAlphaUnit(c) || IsDigitUnit(c) || IsHighSurrogate(c) || IsLowSurrogate(c) || c == u'_' ||
         c == u'\'';
}

bool IsSentenceEnd(char16_t c) {
  return c == u'.' || c == u'!' || c == u'?';
}

}  // namespace

bool IsTextBoundary(std::u16string_view text, size_t position) {
  if (position == 0 || position >= text.size()) return position <= text.size();
  const char16_t before = text[position - 1];
  const char16_t after = text[position];
  if (IsHighSurrogate(before) && IsLowSurrogate(after)) return false;
  return !(before == u'\r' && after == u'\n');
}

std::u16string CleanInput(std::u16string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (IsHighSurrogate(c)) {
      if (i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
        out.push_back(c);
        out.push_back(text[++i]);
      }
    } else if (IsLowSurrogate(c) || IsRefusedControl(c)) {
      continue;
    } else if (IsLineBreak(c)) {
      if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
      out += u"\r\n";
    } else {
      out.push_back(c);
    }
  }
  return out;
}

size_t FittingPrefix(std::u16string_view text, size_t room) {
  if (text.size() <= room) return text.size();
  size_t length = room;
  while (length > 0 && !IsTextBoundary(text, length)) --length;
  return length;
}

std::u16string_view EditText::SelectedText() const {
  return std::u16string_view(text_).substr(SelectionStart(), SelectionEnd() - SelectionStart());
}

void EditText::SetLimit(size_t units) {
  limit_ = units == 0 || units > kMaxEditLimit ? kMaxEditLimit : units;
}

void EditText::SetText(std::u16string_view text) {
  std::u16string whole(text.substr(0, FittingPrefix(text, limit_)));
  for (size_t i = 0; i < whole.size(); ++i) {
    if (IsHighSurrogate(whole[i]) && i + 1 < whole.size() && IsLowSurrogate(whole[i + 1])) {
      ++i;
    } else if (IsHighSurrogate(whole[i]) || IsLowSurrogate(whole[i])) {
      whole[i] = kReplacement;
    }
  }
  text_ = std::move(whole);
  caret_ = anchor_ = 0;
  pending_high_ = 0;
  modified_ = false;
}

bool EditText::Type(char16_t unit) {
  if (pending_high_ != 0) {
    const char16_t high = pending_high_;
    pending_high_ = 0;
    if (IsLowSurrogate(unit)) return Insert(std::u16string{high, unit});
  }
  if (IsHighSurrogate(unit)) {
    pending_high_ = unit;
    return false;
  }
  if (unit == u'\b') return DeleteBackward();
  if (IsLowSurrogate(unit) || IsRefusedControl(unit)) return false;
  if (IsLineBreak(unit)) return Insert(u"\r\n");
  char16_t c = unit;
  if (capitalise_ == Capitalise::kSentences && StartsSentence(SelectionStart())) {
    c = ToUpperUnit(c);
  }
  return Insert(std::u16string_view(&c, 1));
}

bool EditText::StartsSentence(size_t position) const {
  size_t i = position;
  bool spaced = false;
  while (i > 0 && (text_[i - 1] == u' ' || text_[i - 1] == u'\t' || text_[i - 1] == 0xA0)) {
    --i;
    spaced = true;
  }
  if (i == 0 || IsLineBreak(text_[i - 1])) return true;
  return spaced && IsSentenceEnd(text_[i - 1]);
}

void EditText::Replace(size_t start, size_t end, std::u16string_view with) {
  text_.replace(start, end - start, with);
  caret_ = anchor_ = Snap(start + with.size());
  modified_ = true;
}

bool EditText::Insert(std::u16string_view text) {
  const std::u16string clean = CleanInput(text);
  const size_t start = SelectionStart();
  const size_t end = SelectionEnd();
  const size_t kept = text_.size() - (end - start);
  const size_t room = kept >= limit_ ? 0 : limit_ - kept;
  const size_t length = FittingPrefix(clean, room);
  if (length == 0) return false;
  Replace(start, end, std::u16string_view(clean).substr(0, length));
  return true;
}

bool EditText::DeleteSelection() {
  if (!HasSelection()) return false;
  Replace(SelectionStart(), SelectionEnd(), u"");
  return true;
}

bool EditText::DeleteBackward() {
  if (HasSelection()) return DeleteSelection();
  if (caret_ == 0) return false;
  Replace(PreviousBoundary(caret_), caret_, u"");
  return true;
}

bool EditText::DeleteForward() {
  if (HasSelection()) return DeleteSelection();
  if (caret_ >= text_.size()) return false;
  Replace(caret_, NextBoundary(caret_), u"");
  return true;
}

void EditText::Select(size_t anchor, size_t caret) {
  anchor_ = Snap(anchor);
  caret_ = Snap(caret);
}

void EditText::MoveCaret(size_t position, bool extend) {
  caret_ = Snap(position);
  if (!extend) anchor_ = caret_;
}

void EditText::SelectWordAt(size_t position) {
  const auto [start, end] = WordAt(position);
  Select(start, end);
}

bool EditText::IsBoundary(size_t position) const {
  return IsTextBoundary(text_, position);
}

size_t EditText::Snap(size_t position) const {
  position = std::min(position, text_.size());
  while (position > 0 && !IsBoundary(position)) --position;
  return position;
}

size_t EditText::PreviousBoundary(size_t position) const {
  position = Snap(position);
  return position == 0 ? 0 : Snap(position - 1);
}

size_t EditText::NextBoundary(size_t position) const {
  position = Snap(position);
  if (position >= text_.size()) return text_.size();
  size_t next = position + 1;
  while (next < text_.size() && !IsBoundary(next)) ++next;
  return next;
}

size_t EditText::PreviousWordStart(size_t position) const {
  size_t i = Snap(position);
  while (i > 0 && !IsWordUnit(text_[i - 1])) --i;
  while (i > 0 && IsWordUnit(text_[i - 1])) --i;
  return Snap(i);
}

size_t EditText::NextWordStart(size_t position) const {
  size_t i = Snap(position);
  while (i < text_.size() && IsWordUnit(text_[i])) ++i;
  while (i < text_.size() && !IsWordUnit(text_[i])) ++i;
  return Snap(i);
}

std::pair<size_t, size_t> EditText::WordAt(size_t position) const {
  size_t at = Snap(position);
  if ((at >= text_.size() || !IsWordUnit(text_[at])) && at > 0 && IsWordUnit(text_[at - 1])) {
    --at;
  }
  if (at >= text_.size()) return {text_.size(), text_.size()};
  if (!IsWordUnit(text_[at])) return {Snap(at), NextBoundary(at)};
  size_t start = at;
  size_t end = at;
  while (start > 0 && IsWordUnit(text_[start - 1])) --start;
  while (end < text_.size() && IsWordUnit(text_[end])) ++end;
  return {Snap(start), Snap(end)};
}

}  // namespace platform::input
