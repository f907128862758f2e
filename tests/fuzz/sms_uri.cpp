// Fuzzes the sms: URI parser with the input as the URI and checks what reaches the SMS screen:
// a refusal always has a reason; a taken URI starts with "sms:", has 1 to kMaxSmsUriNumbers
// numbers of "+" then digits or digits alone within the length bound, and a body of well-formed
// UTF-16 without controls other than tabs and line breaks. The result, written back as a URI
// with every byte of the body percent-encoded, parses to itself.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/Text.h"
#include "platform/sms/SmsUri.h"

namespace {

using platform::sms::kMaxSmsUriBytes;
using platform::sms::kMaxSmsUriNumbers;
using platform::sms::kMaxSmsUriNumberUnits;

void Check(bool condition) {
  if (!condition) std::abort();
}

void CheckNumber(const std::u16string& number) {
  Check(!number.empty() && number.size() <= kMaxSmsUriNumberUnits);
  bool has_digit = false;
  for (size_t i = 0; i < number.size(); ++i) {
    const char16_t c = number[i];
    Check((c >= u'0' && c <= u'9') || (c == u'+' && i == 0));
    has_digit = has_digit || c != u'+';
  }
  Check(has_digit);
}

void CheckBody(const std::u16string& body, size_t input_size) {
  Check(body.size() <= input_size);
  for (size_t i = 0; i < body.size(); ++i) {
    const char16_t c = body[i];
    Check(c >= 0x20 || c == u'\t' || c == u'\n' || c == u'\r');
    Check(c < 0x7F || c >= 0xA0);
    if (c >= 0xD800 && c <= 0xDBFF) {
      Check(i + 1 < body.size() && body[i + 1] >= 0xDC00 && body[i + 1] <= 0xDFFF);
      ++i;
    } else {
      Check(c < 0xDC00 || c > 0xDFFF);
    }
  }
}

std::string PercentEncodeAll(std::string_view bytes) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    out += '%';
    out += kHex[byte >> 4];
    out += kHex[byte & 0x0F];
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view uri(reinterpret_cast<const char*>(data), size);
  std::string error;
  const auto parsed = platform::sms::ParseSmsUri(uri, error);
  if (!parsed) {
    Check(!error.empty());
    return 0;
  }
  Check(error.empty() && size <= kMaxSmsUriBytes && size >= 4);
  Check((uri[0] | 0x20) == 's' && (uri[1] | 0x20) == 'm' && (uri[2] | 0x20) == 's' &&
        uri[3] == ':');
  Check(!parsed->numbers.empty() && parsed->numbers.size() <= kMaxSmsUriNumbers);
  for (const std::u16string& number : parsed->numbers) CheckNumber(number);
  CheckBody(parsed->body, size);

  std::string again = "sms:";
  for (size_t i = 0; i < parsed->numbers.size(); ++i) {
    if (i > 0) again += ',';
    again += platform::ToUtf8(parsed->numbers[i]);
  }
  again += "?body=" + PercentEncodeAll(platform::ToUtf8(parsed->body));
  if (again.size() <= kMaxSmsUriBytes) {
    const auto reparsed = platform::sms::ParseSmsUri(again, error);
    Check(reparsed && reparsed->numbers == parsed->numbers && reparsed->body == parsed->body);
  }
  return 0;
}
