#include "platform/shellexec/PercentEncoding.h"

namespace platform::shellexec {

namespace {

bool IsAsciiAlphanumeric(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

}  // namespace

std::string PercentEncode(std::string_view utf8, std::string_view also_keep) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(utf8.size());
  for (char c : utf8) {
    const auto byte = static_cast<unsigned char>(c);
    if (IsAsciiAlphanumeric(byte) || (byte < 0x80 && also_keep.find(c) != also_keep.npos)) {
      out.push_back(c);
    } else {
      out.push_back('%');
      out.push_back(kHex[byte >> 4]);
      out.push_back(kHex[byte & 0xF]);
    }
  }
  return out;
}

}  // namespace platform::shellexec
