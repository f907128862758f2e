// The sms: URI (RFC 5724) that opens the SMS screen from the command line or a link:
//   sms:+33612345678?body=Hi%20there
//   sms:+1-555-123.4567,0612345678;phone-context=example.com?body=See%20you
// What is taken, and what is refused (the URI comes from anywhere):
//   - the scheme in any case ("SMS:"); nothing but "sms:" is parsed;
//   - one or more recipients separated by ","; an empty one ("sms:,123", "sms:123,") is
//     refused rather than skipped, since a list with holes is not what a sender writes;
//   - a recipient is a global number ("+" then digits) or a local number (digits), with the
//     visual separators "-", ".", "(", ")" and spaces dropped; letters (including the hex
//     digits RFC 3966 lets a local number hold), "*", "#" and a "+" past the first place are
//     refused. Its ";name=value" parameters (";phone-context=...", ";ext=...") are checked and
//     dropped: an SMS goes to the digits;
//   - after "?", fields "name=value" joined by "&"; only "body" (in any case) is understood and
//     the first one wins; other fields are ignored. A "+" stays a plus (RFC 5724 has no
//     form-encoding), "&" ends the value, any other printable character is taken as it is;
//   - recipients and values are percent-decoded ("%" and two hex digits, or the URI is
//     refused); the body must decode to valid UTF-8 and may hold tabs and line breaks but no
//     other control character (C0, DEL or C1); raw control bytes are refused anywhere;
//   - at most kMaxSmsUriBytes bytes, kMaxSmsUriNumbers recipients of kMaxSmsUriNumberUnits
//     units each.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::sms {

inline constexpr size_t kMaxSmsUriBytes = 8 * 1024;
inline constexpr size_t kMaxSmsUriNumbers = 16;
// The longest number kept ("+" included), as long as the modem takes.
inline constexpr size_t kMaxSmsUriNumberUnits = 64;

struct SmsUri {
  std::vector<std::u16string> numbers;  // each "+" then digits, or digits; never empty
  std::u16string body;                  // empty when the URI has none
};

// The recipients and body of `uri`. On failure nullopt, with `error` set to a short English
// reason for the user ("not an sms: URI", "no number", "bad percent-encoding", ...).
std::optional<SmsUri> ParseSmsUri(std::string_view uri, std::string& error);

}  // namespace platform::sms
