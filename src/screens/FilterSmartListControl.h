// FilterSmartListControl: the entry list of the filter menu. Besides the common list
// behaviour it jumps to an index letter sent by the menu's index strip, and sorts a folder's
// entries when they have been added.
// UI thread only.
#pragma once

#include "toolkit/SmartListControl.h"

class FilterSmartListControl : public SmartListControl {
 public:
  // The longest scroll to an index letter.
  static constexpr int32_t kJumpAnimationMs = 750;

  using SmartListControl::SmartListControl;

  // The jump key (-2 with a letter; a digit stands for "#"): scrolls to the first entry whose
  // caption sorts at or after the letter, or to the end; returns the empty rectangle. Other
  // keys as every list.
  RECT OnKey(uint32_t virtual_key, char16_t character) override;
  // Sorts the entries: those for the empty value (contacts without the field) last, the
  // others by caption with the contact list's comparison.
  void OnFilterApplied() override;
};
