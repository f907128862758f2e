// How the network cuts a text into SMS: the one rule that the character counter of the SMS
// screen and the SMS service both follow.
//
// A text whose every character is in the GSM 7-bit default alphabet or its extension table
// goes as 7-bit: a basic character takes one septet, an extension character (form feed,
// ^ { } \ [ ~ ] | and the euro sign) two, which are never split across parts. One SMS holds
// 160 septets; a longer text goes in parts of 153 (the rest carries the part header). Any
// other character sends the whole text as UCS-2, counted in UTF-16 units: 70 in one SMS, 67
// per part, and a surrogate pair is never split across parts either.
#pragma once

#include <string_view>

namespace platform::sms {

enum class SmsAlphabet { kGsm7, kUcs2 };

struct SmsLength {
  SmsAlphabet alphabet = SmsAlphabet::kGsm7;
  int single_limit = 160;  // units of one SMS: 160 septets or 70 UTF-16 units
  int part_size = 153;     // units of each part of a longer text: 153 or 67
  int parts = 1;           // 1 for an empty text and for one that fits one SMS
  int remaining = 160;     // units still free in the last part (or the single SMS)
};

SmsLength MeasureSms(std::u16string_view text);

// Whether the character is in the GSM default alphabet (1 septet), its extension table
// (2 septets), or neither (0).
int GsmSeptets(char16_t c);

// "gsm7" or "ucs2": how the alphabet is named in the simulated network's records.
std::string_view AlphabetName(SmsAlphabet alphabet);

}  // namespace platform::sms
