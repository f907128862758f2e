// What a soft keyboard shows and what its keys do, apart from its window: the keys of the
// current page laid out in a rectangle, and the output of a tap. The keyboard component
// (SoftKeyboard) draws the keys, tracks the pen and sends the output; a layout keeps its own
// state (page, shift, a pending multi-tap letter).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Types.h"

namespace platform::sip {

enum class KeyRole {
  kText,       // types `text`
  kBackspace,  // deletes; repeats while held
  kReturn,     // a line break
  kShift,      // shift once; twice quickly: caps lock
  kPage,       // shows page `target`
  kMultiTap,   // a phone key: each tap within the pending time steps through `text`
  kCase,       // the phone keypad's letter case: abc, Abc, ABC
};

struct SoftKey {
  RECT rect{};  // keyboard window pixels
  std::u16string label;
  std::u16string hint;  // small second line (a phone key's letters)
  KeyRole role = KeyRole::kText;
  std::u16string text;
  int target = 0;
  bool special = false;  // a function key (drawn darker)
  bool lit = false;      // drawn switched on (shift, caps lock)
};

// What a tap sends: first `backspaces` Backspace keys, then the text, then Return.
struct KeyOutput {
  int backspaces = 0;
  std::u16string text;
  bool enter = false;
};

// One key of a row before layout: its width in half keys (a letter key is 2).
struct KeySpec {
  std::u16string label;
  KeyRole role = KeyRole::kText;
  std::u16string text;
  int half_keys = 2;
  int target = 0;
  std::u16string hint;
};
using KeyRows = std::vector<std::vector<KeySpec>>;

// Lays the rows into width x height: equal row heights, the key unit from the widest row,
// narrower rows centred, a small gap around every key.
std::vector<SoftKey> LayRows(const KeyRows& rows, int width, int height);

class KeyboardLayout {
 public:
  virtual ~KeyboardLayout() = default;
  virtual int RowCount() const = 0;
  virtual std::vector<SoftKey> Keys(int width, int height) const = 0;
  virtual KeyOutput Tap(const SoftKey& key, uint32_t now_ms) = 0;
  // Milliseconds a multi-tap letter stays open after the last tap (0: none is open); when
  // they have passed the keyboard calls EndPending.
  virtual uint32_t PendingMs() const { return 0; }
  virtual void EndPending() {}
  // The keyboard was hidden: back to the first page, shift off.
  virtual void Reset() {}
};

}  // namespace platform::sip
