// The 12-key phone keypad with multi-tap letters:
//   1 2 3 backspace / 4 5 6 space / 7 8 9 return / case 0 # 123
// In letter mode each tap of a digit key types the next letter of its group while the taps
// come within 1 s of each other (the previous letter is taken back with a Backspace); a pause
// or another key fixes the letter. The case key steps abc -> Abc (one capital) -> ABC. The
// 123 key switches to digits, where every key types its own character.
#pragma once

#include "platform/sip/KeyboardLayout.h"

namespace platform::sip {

class PhoneKeypadLayout final : public KeyboardLayout {
 public:
  enum class Case { kLower, kOnce, kUpper };
  static constexpr uint32_t kMultiTapMs = 1000;

  int RowCount() const override { return 4; }
  std::vector<SoftKey> Keys(int width, int height) const override;
  KeyOutput Tap(const SoftKey& key, uint32_t now_ms) override;
  uint32_t PendingMs() const override { return pending_key_ >= 0 ? kMultiTapMs : 0; }
  void EndPending() override;
  void Reset() override;

 private:
  std::u16string Cased(char16_t letter) const;

  bool digits_ = false;
  Case case_ = Case::kLower;
  int pending_key_ = -1;  // the group of the open multi-tap letter, or -1
  size_t cycle_ = 0;
};

}  // namespace platform::sip
