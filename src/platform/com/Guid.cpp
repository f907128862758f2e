#include "platform/com/Guid.h"

namespace platform::com {

namespace {

constexpr char16_t kDigits[] = u"0123456789ABCDEF";
// Positions of the dashes in "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}".
constexpr size_t kDashes[] = {9, 14, 19, 24};
constexpr size_t kLength = 38;

void AppendHex(std::u16string& out, uint64_t value, int digits) {
  for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4) {
    out.push_back(kDigits[(value >> shift) & 0xF]);
  }
}

int HexValue(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  return -1;
}

}  // namespace

std::u16string FormatGuid(const Guid& guid) {
  std::u16string out = u"{";
  AppendHex(out, guid.data1, 8);
  out.push_back(u'-');
  AppendHex(out, guid.data2, 4);
  out.push_back(u'-');
  AppendHex(out, guid.data3, 4);
  out.push_back(u'-');
  AppendHex(out, guid.data4[0], 2);
  AppendHex(out, guid.data4[1], 2);
  out.push_back(u'-');
  for (size_t i = 2; i < 8; ++i) AppendHex(out, guid.data4[i], 2);
  out.push_back(u'}');
  return out;
}

std::optional<Guid> ParseGuid(std::u16string_view text) {
  if (text.size() != kLength || text.front() != u'{' || text.back() != u'}') return std::nullopt;
  std::array<uint8_t, 16> bytes{};
  size_t nibble = 0;
  for (size_t i = 1; i + 1 < kLength; ++i) {
    bool dash_place = false;
    for (size_t dash : kDashes) dash_place = dash_place || dash == i;
    if (dash_place) {
      if (text[i] != u'-') return std::nullopt;
      continue;
    }
    const int value = HexValue(text[i]);
    if (value < 0) return std::nullopt;
    bytes[nibble / 2] = static_cast<uint8_t>(bytes[nibble / 2] << 4 | value);
    ++nibble;
  }
  Guid guid;
  guid.data1 =
      uint32_t{bytes[0]} << 24 | uint32_t{bytes[1]} << 16 | uint32_t{bytes[2]} << 8 | bytes[3];
  guid.data2 = static_cast<uint16_t>(bytes[4] << 8 | bytes[5]);
  guid.data3 = static_cast<uint16_t>(bytes[6] << 8 | bytes[7]);
  for (size_t i = 0; i < 8; ++i) guid.data4[i] = bytes[8 + i];
  return guid;
}

}  // namespace platform::com
