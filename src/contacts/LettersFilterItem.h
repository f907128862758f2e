// The letters filter behind the contact list's typing: displays the contacts whose display
// name or phone numbers contain the typed text, or one of whose name's words starts with the
// letters of the typed phone-pad keys (typing 2 then 3 finds "Adele" and "Bob Dylan").
//
// The typed text is kept in lower case: it is lower-cased as it is typed, not while rows are
// judged, so Accept changes nothing and may run on the loading thread while the list's lock
// is held. The text is edited on the UI thread; while the filter is set on a list, edit it
// under that list's lock.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "theme/KeyGroupMap.h"
#include "toolkit/ISmartListFilter.h"

class LettersFilterItem : public ISmartListFilter {
 public:
  // Longest typed text; further characters are refused.
  static constexpr size_t kMaxTextLength = 128;

  // Copies the txt_FilteredByLetters language text and the theme's phone-pad letter map; make
  // it on the UI thread. `text` (cut to kMaxTextLength) is the initial typed text.
  explicit LettersFilterItem(std::u16string_view text = {});

  // A ContactListItem (or derived) whose lower-cased display name contains the text, or one
  // of whose phone numbers reduced to digits and "+" contains it, or whose name matches the
  // text as phone-pad keys at a word start. Every other row is rejected.
  bool Accept(const IListItem& row) override;
  // The txt_FilteredByLetters text with the typed text in place of its "%s".
  std::u16string GetTitle() override;

  // Appends `c` in lower case. False (and nothing changes) when the text is full.
  bool AppendChar(char16_t c);
  // Removes the last character; false when the text is empty.
  bool RemoveLastChar();
  // The typed text, in lower case.
  const std::u16string& GetText() const { return text_; }

 private:
  std::u16string text_;
  const std::u16string title_format_;
  const theme::KeyGroupMap key_groups_;
};
