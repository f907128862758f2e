// The text of an edit box and its editing rules, apart from any window: UTF-16 text, the
// caret and the selection anchor, the length limit, the modified flag and the capitalisation
// of sentence starts. Every position the caret or the anchor can take is a boundary: never
// inside a surrogate pair and never between the CR and the LF of a line break.
//
// Invariants (checked by the fuzz harness):
//   - caret and anchor lie on boundaries inside the text;
//   - the text holds no unpaired surrogate;
//   - input never makes the text longer than the limit (a text set before a lower limit
//     stays as it is, as the old edit box kept it).
// Typed characters, pasted texts and the strings of input methods are outside input: only
// tab and line breaks pass among the control characters, unpaired surrogates are dropped,
// and line breaks become CR LF.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace platform::input {

// The limit before EM_LIMITTEXT, and the most any limit can be (EM_LIMITTEXT with 0).
inline constexpr size_t kDefaultEditLimit = 32767;
inline constexpr size_t kMaxEditLimit = 65535;

enum class Capitalise { kNo, kSentences };

class EditText {
 public:
  explicit EditText(Capitalise capitalise = Capitalise::kNo) : capitalise_(capitalise) {}

  const std::u16string& Text() const { return text_; }
  size_t Caret() const { return caret_; }
  size_t Anchor() const { return anchor_; }
  size_t SelectionStart() const { return caret_ < anchor_ ? caret_ : anchor_; }
  size_t SelectionEnd() const { return caret_ < anchor_ ? anchor_ : caret_; }
  bool HasSelection() const { return caret_ != anchor_; }
  std::u16string_view SelectedText() const;

  size_t Limit() const { return limit_; }
  // 0 or anything above kMaxEditLimit sets kMaxEditLimit. The text is not cut.
  void SetLimit(size_t units);
  bool Modified() const { return modified_; }
  void SetModified(bool modified) { modified_ = modified; }

  // Replaces the whole text (the program's, not the user's): cut to the limit on a boundary,
  // unpaired surrogates replaced by U+FFFD, caret and anchor at 0, modified flag cleared.
  void SetText(std::u16string_view text);

  // One unit typed (a WM_CHAR): a character replaces the selection (capitalised at a sentence
  // start), Backspace (8) deletes, CR or LF inserts a line break, a high surrogate waits for
  // its low half. Other control characters are ignored. True when the text changed.
  bool Type(char16_t unit);
  // Replaces the selection with the cleaned text, or its longest prefix that fits the limit
  // (cut on a boundary); the caret ends after it. True when the text changed.
  bool Insert(std::u16string_view text);
  // The selection, or else the boundary step before (after) the caret. True when changed.
  bool DeleteBackward();
  bool DeleteForward();
  bool DeleteSelection();

  // Both ends are clamped to the text and moved back to a boundary.
  void Select(size_t anchor, size_t caret);
  void MoveCaret(size_t position, bool extend);
  void SelectAll() { Select(0, text_.size()); }
  void SelectWordAt(size_t position);

  bool IsBoundary(size_t position) const;
  // The nearest boundary at or before `position` (clamped to the text).
  size_t Snap(size_t position) const;
  size_t PreviousBoundary(size_t position) const;
  size_t NextBoundary(size_t position) const;
  size_t PreviousWordStart(size_t position) const;
  size_t NextWordStart(size_t position) const;
  // The word (or the one character that is not part of a word) at the position.
  std::pair<size_t, size_t> WordAt(size_t position) const;

 private:
  bool StartsSentence(size_t position) const;
  void Replace(size_t start, size_t end, std::u16string_view with);

  std::u16string text_;
  size_t caret_ = 0;
  size_t anchor_ = 0;
  size_t limit_ = kDefaultEditLimit;
  bool modified_ = false;
  char16_t pending_high_ = 0;  // a typed high surrogate waiting for its low half
  Capitalise capitalise_;
};

inline bool IsHighSurrogate(char16_t c) {
  return c >= 0xD800 && c <= 0xDBFF;
}
inline bool IsLowSurrogate(char16_t c) {
  return c >= 0xDC00 && c <= 0xDFFF;
}

// Whether `position` may hold a caret in `text` (not inside a pair or a CR LF).
bool IsTextBoundary(std::u16string_view text, size_t position);
// Input as an edit box accepts it: tab and line breaks (as CR LF) are the only control
// characters kept; unpaired surrogates and the non-characters U+FFFE/U+FFFF are dropped.
std::u16string CleanInput(std::u16string_view text);
// The length of the longest prefix of `text` of at most `room` units that ends on a boundary.
size_t FittingPrefix(std::u16string_view text, size_t room);

}  // namespace platform::input
