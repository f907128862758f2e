// Typing on the contact list. After a pause of four seconds a typed character jumps to the
// first row at or after it; characters typed within four seconds of the previous one narrow
// the list with a letters filter, beginning with the character that jumped. Phone-pad keys
// always filter; the index strip's key always jumps.
//
//   key                          | no letters filter, idle >= 4 s | otherwise
//   -----------------------------+--------------------------------+-----------------------------
//   typable character (vk 0)     | jump                           | filter: append
//   jump key (-2)                | jump                           | jump
//   phone-pad key (-3)           | filter (a new, empty filter)   | filter: append
//   VK_BACK                      | nothing                        | filter: remove the last one
//   arrow keys, action key       | list navigation                | list navigation
//   anything else                | not consumed                   | not consumed
//
// An empty filter text shows every contact again. A desktop keyboard sends each character key
// as a key-down before its character, and Backspace and Return also as characters (8 and 13):
// only the character (or VK_BACK's key-down) is typing, and the rest must not move the
// selection, so keys that are neither typing nor selection keys are left to others.
#include <unicode/uchar.h>

#include <algorithm>

#include "contacts/ContactSmartListControl.h"
#include "contacts/LettersFilterItem.h"
#include "platform/Clock.h"
#include "platform/Messages.h"
#include "platform/Text.h"
#include "toolkit/AnimationRunners.h"
#include "toolkit/BaseItem.h"
#include "toolkit/ListAnimation.h"

namespace {

constexpr int32_t kJumpAnimationMs = 400;
constexpr char16_t kNoCharacter = 0xFFFF;

// Letters, digits, punctuation and symbols, and blanks.
bool IsTypable(char16_t c) {
  if (c == 0 || U16_IS_SURROGATE(c)) return false;
  const auto mask = U_GET_GC_MASK(c);
  return (mask & (U_GC_L_MASK | U_GC_ND_MASK | U_GC_P_MASK | U_GC_S_MASK)) != 0 || u_isblank(c);
}

bool IsSelectionKey(uint32_t virtual_key) {
  return virtual_key == VK_UP || virtual_key == VK_DOWN || virtual_key == VK_LEFT ||
         virtual_key == VK_RIGHT || virtual_key == VK_ACTION;
}

}  // namespace

RECT ContactSmartListControl::OnKey(uint32_t virtual_key, char16_t character) {
  const bool typable = IsTypable(character);
  const bool handled = (virtual_key == 0 && typable) || virtual_key == VK_BACK ||
                       virtual_key == kKeyJump || virtual_key == kKeyPhonePad;
  if (!handled) {
    if (!IsSelectionKey(virtual_key)) return {};
    return SmartListControl::OnKey(virtual_key, character);
  }
  const uint32_t now = platform::Clock::TickCount();
  // Before the first keystroke the pause counts as endless.
  const uint32_t idle = typed_before_ ? now - last_key_time_ : UINT32_MAX;
  const bool filtering = dynamic_cast<LettersFilterItem*>(Filter()) != nullptr;
  if (virtual_key == kKeyJump ||
      (virtual_key != kKeyPhonePad && idle >= kTypingPauseMs && !filtering)) {
    if (!typable) return {};
    last_typed_ = virtual_key == kKeyJump ? kNoCharacter : character;
    last_key_time_ = now;
    typed_before_ = true;
    return JumpToLetter(platform::IsDigitUnit(character) ? u'#' : character);
  }
  return TypeIntoFilter(virtual_key, character, typable, idle);
}

RECT ContactSmartListControl::JumpToLetter(char16_t letter) {
  // A fling still running would carry the list past the letter after the jump.
  StopFling();
  int32_t target = -1;
  {
    std::lock_guard lock(ListLock());
    const std::u16string key(1, letter);
    int32_t y = 0;
    for (size_t i = 0; i < DisplayedCount(); ++i) {
      const IListItem* row = DisplayedItem(i);
      const auto* base = dynamic_cast<const BaseItem*>(row);
      if (base && base->unread_sms_count == 0 && !base->text.empty() &&
          platform::CompareNoCase(base->text, key) >= 0) {
        target = y;
        break;
      }
      y += row->height;
    }
    // Past the last row (or a row too near the end) the list stops at its end rather than
    // resting in the overshoot.
    const int32_t end = std::max(0, MaxScrollOffset());
    if (target < 0 || target > end) target = end;
  }
  RunListAnimation(HostWindow(), std::make_unique<ListAnimation>(*this, target, kJumpAnimationMs));
  return {};
}

// The letters filter steps; the working filter is either the one set on the list or a new
// one, which the list owns once it is set.
RECT ContactSmartListControl::TypeIntoFilter(uint32_t virtual_key, char16_t character, bool typable,
                                             uint32_t idle) {
  std::lock_guard lock(ListLock());
  auto* current = dynamic_cast<LettersFilterItem*>(Filter());
  std::unique_ptr<LettersFilterItem> fresh;
  LettersFilterItem* filter = current;
  if (!current || idle > kTypingPauseMs) {
    // After a pause the text starts empty; otherwise with the letter that just jumped.
    fresh = std::make_unique<LettersFilterItem>();
    if (idle <= kTypingPauseMs && last_typed_ != kNoCharacter) fresh->AppendChar(last_typed_);
    filter = fresh.get();
    if (idle > kTypingPauseMs) ClearFilter();  // deletes a letters filter still set
  }
  if (typable) {
    filter->AppendChar(character);
    last_typed_ = character;
  } else {
    last_typed_ = kNoCharacter;
    if (virtual_key == VK_BACK && !filter->GetText().empty()) {
      if (filter == current) {
        fresh = std::make_unique<LettersFilterItem>(current->GetText());
        filter = fresh.get();
      }
      ClearFilter();
      filter->RemoveLastChar();
    }
  }
  if (filter->GetText().empty()) {
    ClearFilter();
    last_typed_ = kNoCharacter;
  } else {
    RefineFilter(fresh ? fresh.release() : filter);
  }
  SetScrollOffset(0);
  last_key_time_ = platform::Clock::TickCount();
  typed_before_ = true;
  return rect;
}
