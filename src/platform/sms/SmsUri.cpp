#include "platform/sms/SmsUri.h"

#include "platform/Text.h"

namespace platform::sms {

namespace {

bool IsAsciiDigit(char c) {
  return c >= '0' && c <= '9';
}

bool IsAsciiAlphaNum(char c) {
  return IsAsciiDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The value of a hex digit, -1 for any other character.
int HexValue(char c) {
  if (IsAsciiDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool EqualsAsciiNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    const char x = a[i] >= 'A' && a[i] <= 'Z' ? static_cast<char>(a[i] - 'A' + 'a') : a[i];
    const char y = b[i] >= 'A' && b[i] <= 'Z' ? static_cast<char>(b[i] - 'A' + 'a') : b[i];
    if (x != y) return false;
  }
  return true;
}

// Whether `text` is "%" followed by two hex digits at `pos`.
bool IsPercentEscape(std::string_view text, size_t pos) {
  return text.size() - pos >= 3 && text[pos] == '%' && HexValue(text[pos + 1]) >= 0 &&
         HexValue(text[pos + 2]) >= 0;
}

// `text` with each "%XX" turned into its byte; nullopt when a "%" is not followed by two hex
// digits.
std::optional<std::string> PercentDecode(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      out.push_back(text[i]);
      continue;
    }
    if (!IsPercentEscape(text, i)) return std::nullopt;
    out.push_back(static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2])));
    i += 2;
  }
  return out;
}

// A parameter of a recipient, without its ";": a name of letters, digits and "-", then
// optionally "=" and a value of RFC 3966's parameter characters or percent escapes.
bool IsValidParameter(std::string_view parameter) {
  const size_t equals = parameter.find('=');
  const std::string_view name = parameter.substr(0, equals);
  if (name.empty()) return false;
  for (char c : name) {
    if (!IsAsciiAlphaNum(c) && c != '-') return false;
  }
  if (equals == std::string_view::npos) return true;
  const std::string_view value = parameter.substr(equals + 1);
  if (value.empty()) return false;
  constexpr std::string_view kValueMarks = "-_.!~*'()[]/:&+$";
  for (size_t i = 0; i < value.size(); ++i) {
    if (value[i] == '%') {
      if (!IsPercentEscape(value, i)) return false;
      i += 2;
    } else if (!IsAsciiAlphaNum(value[i]) && kValueMarks.find(value[i]) == kValueMarks.npos) {
      return false;
    }
  }
  return true;
}

// The number of one recipient ("+33 6-12;phone-context=x", "%2B336") as "+" and digits, or
// digits; empty with `error` set when the recipient is not a number an SMS can go to.
std::u16string ParseNumber(std::string_view recipient, std::string& error) {
  if (recipient.empty()) {
    error = "empty number";
    return {};
  }
  const size_t semicolon = recipient.find(';');
  if (semicolon != std::string_view::npos) {
    std::string_view parameters = recipient.substr(semicolon + 1);
    while (true) {
      const size_t next = parameters.find(';');
      if (!IsValidParameter(parameters.substr(0, next))) {
        error = "bad number parameter";
        return {};
      }
      if (next == std::string_view::npos) break;
      parameters.remove_prefix(next + 1);
    }
  }
  const std::optional<std::string> decoded = PercentDecode(recipient.substr(0, semicolon));
  if (!decoded) {
    error = "bad percent-encoding";
    return {};
  }
  std::u16string number;
  bool has_digit = false;
  for (size_t i = 0; i < decoded->size(); ++i) {
    const char c = (*decoded)[i];
    if (IsAsciiDigit(c) || (c == '+' && i == 0)) {
      if (number.size() == kMaxSmsUriNumberUnits) {
        error = "number too long";
        return {};
      }
      number.push_back(static_cast<char16_t>(c));
      has_digit = has_digit || c != '+';
    } else if (c != '-' && c != '.' && c != '(' && c != ')' && c != ' ') {
      error = "number with characters a phone number cannot hold";
      return {};
    }
  }
  if (!has_digit) {
    error = "number without digits";
    return {};
  }
  return number;
}

// Tabs and line breaks stay; any other C0 control, DEL or C1 control is refused.
bool HasControlCharacter(std::u16string_view text) {
  for (char16_t c : text) {
    if ((c < 0x20 && c != u'\t' && c != u'\n' && c != u'\r') || (c >= 0x7F && c < 0xA0)) {
      return true;
    }
  }
  return false;
}

// The "body" among the "&"-joined `fields` into `body` (the first one wins; other fields are
// ignored). False with `error` set when a field is malformed or the body is unusable.
bool ParseFields(std::string_view fields, std::u16string& body, std::string& error) {
  bool has_body = false;
  while (true) {
    const size_t ampersand = fields.find('&');
    const std::string_view field = fields.substr(0, ampersand);
    const size_t equals = field.find('=');
    const std::string_view name = field.substr(0, equals);
    const std::string_view value =
        equals == std::string_view::npos ? std::string_view() : field.substr(equals + 1);
    const std::optional<std::string> decoded = PercentDecode(value);
    if (!decoded || !PercentDecode(name)) {
      error = "bad percent-encoding";
      return false;
    }
    if (!has_body && EqualsAsciiNoCase(name, "body")) {
      if (!IsValidUtf8(*decoded)) {
        error = "body that is not valid UTF-8";
        return false;
      }
      body = FromUtf8(*decoded);
      if (HasControlCharacter(body)) {
        error = "body with control characters";
        return false;
      }
      has_body = true;
    }
    if (ampersand == std::string_view::npos) return true;
    fields.remove_prefix(ampersand + 1);
  }
}

}  // namespace

std::optional<SmsUri> ParseSmsUri(std::string_view uri, std::string& error) {
  error.clear();
  if (uri.size() > kMaxSmsUriBytes) {
    error = "too long";
    return std::nullopt;
  }
  constexpr std::string_view kScheme = "sms:";
  if (uri.size() < kScheme.size() || !EqualsAsciiNoCase(uri.substr(0, kScheme.size()), kScheme)) {
    error = "not an sms: URI";
    return std::nullopt;
  }
  for (char c : uri) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
      error = "control characters in the URI";
      return std::nullopt;
    }
  }
  const std::string_view rest = uri.substr(kScheme.size());
  const size_t question = rest.find('?');
  std::string_view recipients = rest.substr(0, question);
  if (recipients.empty()) {
    error = "no number";
    return std::nullopt;
  }
  SmsUri result;
  while (true) {
    if (result.numbers.size() == kMaxSmsUriNumbers) {
      error = "too many numbers";
      return std::nullopt;
    }
    const size_t comma = recipients.find(',');
    std::u16string number = ParseNumber(recipients.substr(0, comma), error);
    if (number.empty()) return std::nullopt;
    result.numbers.push_back(std::move(number));
    if (comma == std::string_view::npos) break;
    recipients.remove_prefix(comma + 1);
  }
  if (question != std::string_view::npos &&
      !ParseFields(rest.substr(question + 1), result.body, error)) {
    return std::nullopt;
  }
  return result;
}

}  // namespace platform::sms
