// The tel: URI (RFC 3966) of a phone number as a contact stores it. Stored numbers are free
// text ("+33 6 12-34-56-78", "(555) 123 4567 x12", "0612345678p123"); the URI carries only
// what a dialler dials:
//   - a "+" before everything else makes a global number; later ones are dropped;
//   - digits of the scripts phones use become ASCII digits; "*" stays, "#" becomes "%23";
//   - letters before the first digit (a label such as "Tel:"), spaces, visual separators
//     and other symbols are dropped;
//   - an extension written "x12", "ext 12" or "ext. 12" at the end becomes ";ext=12";
//   - at a pause or wait ("p", "w", ",", ";") or any other letter the rest is dropped: tones
//     to send after the call is answered, or a note ("0612345678 home"). Letters of vanity
//     numbers ("1-800-FLOWERS") are not turned into digits: a guess could dial a stranger.
// A local number carries no phone-context: the desktop's dialler places it as dialled.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform::phone {

// nullopt when the number holds no digit to dial.
std::optional<std::string> MakeTelUri(std::u16string_view number);

}  // namespace platform::phone
