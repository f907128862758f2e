#include "platform/mail/MailtoUri.h"

#include "platform/Text.h"
#include "platform/shellexec/PercentEncoding.h"

namespace platform::mail {

namespace {

constexpr size_t kMaxAddressUnits = 254;

bool IsHighSurrogate(char16_t c) {
  return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(char16_t c) {
  return c >= 0xDC00 && c <= 0xDFFF;
}

// No unit that cannot stand in an address: controls, spaces, angle brackets, lone surrogates.
bool HasOnlyAddressUnits(std::u16string_view address) {
  for (size_t i = 0; i < address.size(); ++i) {
    const char16_t c = address[i];
    if (c < 0x20 || c == 0x7F || (c >= 0x80 && c < 0xA0) || c == u'<' || c == u'>' ||
        IsSpaceUnit(c)) {
      return false;
    }
    if (IsHighSurrogate(c)) {
      if (i + 1 >= address.size() || !IsLowSurrogate(address[i + 1])) return false;
      ++i;
    } else if (IsLowSurrogate(c)) {
      return false;
    }
  }
  return true;
}

// The domain: no characters that only a quoted local part may hold, no empty label at its
// ends.
bool IsUsableDomain(std::u16string_view domain) {
  if (domain.empty() || domain.front() == u'.' || domain.back() == u'.') return false;
  return domain.find_first_of(u"\"(),:;@[\\]") == domain.npos;
}

}  // namespace

std::optional<std::u16string> ExtractMailAddress(std::u16string_view to_text) {
  std::u16string text = Trim(to_text);
  std::u16string_view address = text;
  if (!text.empty() && text.back() == u'>') {
    const size_t open = text.rfind(u'<');
    if (open == text.npos) return std::nullopt;
    address = std::u16string_view(text).substr(open + 1, text.size() - open - 2);
  }
  std::u16string trimmed = Trim(address);
  if (trimmed.empty() || trimmed.size() > kMaxAddressUnits || !HasOnlyAddressUnits(trimmed)) {
    return std::nullopt;
  }
  const size_t at = trimmed.rfind(u'@');
  if (at == trimmed.npos || at == 0 ||
      !IsUsableDomain(std::u16string_view(trimmed).substr(at + 1))) {
    return std::nullopt;
  }
  return trimmed;
}

std::optional<std::string> MakeMailtoUri(std::u16string_view to_text) {
  const std::optional<std::u16string> address = ExtractMailAddress(to_text);
  if (!address) return std::nullopt;
  const size_t at = address->rfind(u'@');
  // The local part keeps RFC 3986's unreserved characters and the few RFC 6068 lets an
  // address carry as they are; "," (another recipient), "?" and "&" (header fields), "%" and
  // "#" are encoded like everything else. An "@" of a quoted local part is encoded too.
  const std::string local = shellexec::PercentEncode(ToUtf8(address->substr(0, at)), "-._~!$'*+");
  const std::string domain = shellexec::PercentEncode(ToUtf8(address->substr(at + 1)), "-._~");
  return "mailto:" + local + "@" + domain;
}

}  // namespace platform::mail
