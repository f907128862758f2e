// The full keyboard: three pages of four rows.
//   letters   q..p / a..l / shift z..m backspace / 123 accents , space . return
//   symbols   digits / punctuation / more symbols backspace / ABC accents , space . return
//   accents   the accented letters of the languages of the demo contacts (French, German,
//             Spanish, Nordic, Polish, Czech), with shift
// Shift types one capital and goes off; two taps within 400 ms lock it (caps lock) until the
// next tap. Changing the page turns shift off.
#pragma once

#include "platform/sip/KeyboardLayout.h"

namespace platform::sip {

class FullKeyboardLayout final : public KeyboardLayout {
 public:
  enum Page { kLetters = 0, kSymbols = 1, kAccents = 2 };
  enum class Shift { kOff, kOnce, kLocked };

  int RowCount() const override { return 4; }
  std::vector<SoftKey> Keys(int width, int height) const override;
  KeyOutput Tap(const SoftKey& key, uint32_t now_ms) override;
  void Reset() override;

  int CurrentPage() const { return page_; }
  Shift ShiftState() const { return shift_; }

 private:
  int page_ = kLetters;
  Shift shift_ = Shift::kOff;
  uint32_t shift_tapped_ms_ = 0;
};

}  // namespace platform::sip
