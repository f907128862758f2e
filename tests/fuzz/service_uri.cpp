// Fuzzes the tel: and mailto: encoders with the input as UTF-16 text (a stored number, a To
// text) and checks what may reach the desktop's opener: printable ASCII without spaces, the
// scheme first, a tel: URI of dial characters only, a mailto: URI of exactly one address
// whose delimiters ("?", "&", ",", "#") can only appear percent-encoded.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/mail/MailtoUri.h"
#include "platform/phone/TelUri.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

bool IsPlainAscii(const std::string& text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) <= 0x20 || static_cast<unsigned char>(c) >= 0x7F) {
      return false;
    }
  }
  return true;
}

void CheckTel(const std::string& uri) {
  Check(uri.rfind("tel:", 0) == 0 && IsPlainAscii(uri));
  const std::string body = uri.substr(4, uri.find(";ext=") - 4);
  Check(body.find_first_not_of("+0123456789*%23") == std::string::npos);
  Check(body.find('+', 1) == std::string::npos);
}

void CheckMailto(const std::string& uri) {
  Check(uri.rfind("mailto:", 0) == 0 && IsPlainAscii(uri));
  const std::string body = uri.substr(7);
  Check(body.find_first_of("?&,#;<>\"") == std::string::npos);
  const size_t at = body.find('@');
  Check(at != std::string::npos && at > 0 && body.find('@', at + 1) == std::string::npos);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::u16string text;
  for (size_t i = 0; i + 1 < size; i += 2) {
    text.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
  }
  if (auto tel = platform::phone::MakeTelUri(text)) CheckTel(*tel);
  if (auto mailto = platform::mail::MakeMailtoUri(text)) {
    CheckMailto(*mailto);
    Check(platform::mail::ExtractMailAddress(text).has_value());
  }
  return 0;
}
