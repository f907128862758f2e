#include "platform/pim/VCardText.h"

#include <unicode/ucnv.h>

#include <memory>

#include "platform/Text.h"
#include "platform/pim/VCardLine.h"

namespace platform::pim {

namespace {

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

int Base64Value(char c) {
  if (c >= 'A' && c <= 'Z') return c - 'A';
  if (c >= 'a' && c <= 'z') return c - 'a' + 26;
  if (c >= '0' && c <= '9') return c - '0' + 52;
  if (c == '+' || c == '-') return 62;
  if (c == '/' || c == '_') return 63;
  return -1;
}

struct ConverterCloser {
  void operator()(UConverter* c) const { ucnv_close(c); }
};

std::u16string ConvertWithIcu(std::string_view bytes, const std::string& charset) {
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<UConverter, ConverterCloser> converter(ucnv_open(charset.c_str(), &status));
  if (U_FAILURE(status) || !converter) return FromUtf8(bytes);
  std::u16string out(bytes.size() * 2 + 2, u'\0');
  int32_t n = ucnv_toUChars(converter.get(), reinterpret_cast<UChar*>(out.data()),
                            static_cast<int32_t>(out.size()), bytes.data(),
                            static_cast<int32_t>(bytes.size()), &status);
  if (U_FAILURE(status) || n < 0) return FromUtf8(bytes);
  out.resize(static_cast<size_t>(n));
  return out;
}

}  // namespace

std::string DecodeQuotedPrintable(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '=' && i + 2 < text.size() && HexValue(text[i + 1]) >= 0 &&
        HexValue(text[i + 2]) >= 0) {
      out += static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
      i += 2;
    } else {
      out += text[i];
    }
  }
  return out;
}

bool DecodeBase64(std::string_view text, size_t max_bytes, std::string* out) {
  out->clear();
  size_t significant = 0;
  for (char c : text) significant += Base64Value(c) >= 0;
  if (significant / 4 * 3 > max_bytes + 3) return false;
  uint32_t buffer = 0;
  int bits = 0;
  bool padding = false;
  for (char c : text) {
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') continue;
    if (c == '=') {
      padding = true;
      continue;
    }
    int v = Base64Value(c);
    if (v < 0 || padding) return false;
    buffer = (buffer << 6) | static_cast<uint32_t>(v);
    bits += 6;
    if (bits >= 8) {
      bits -= 8;
      out->push_back(static_cast<char>((buffer >> bits) & 0xFF));
    }
  }
  return out->size() <= max_bytes;
}

std::string EncodeBase64(std::string_view bytes) {
  static constexpr char kAlphabet[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  out.reserve((bytes.size() + 2) / 3 * 4);
  size_t i = 0;
  for (; i + 2 < bytes.size(); i += 3) {
    uint32_t v = (static_cast<uint8_t>(bytes[i]) << 16) |
                 (static_cast<uint8_t>(bytes[i + 1]) << 8) | static_cast<uint8_t>(bytes[i + 2]);
    for (int s = 18; s >= 0; s -= 6) out += kAlphabet[(v >> s) & 63];
  }
  if (i < bytes.size()) {
    uint32_t v = static_cast<uint8_t>(bytes[i]) << 16;
    if (i + 1 < bytes.size()) v |= static_cast<uint8_t>(bytes[i + 1]) << 8;
    out += kAlphabet[(v >> 18) & 63];
    out += kAlphabet[(v >> 12) & 63];
    out += i + 1 < bytes.size() ? kAlphabet[(v >> 6) & 63] : '=';
    out += '=';
  }
  return out;
}

bool IsValidUtf8(std::string_view bytes) {
  size_t i = 0;
  while (i < bytes.size()) {
    uint8_t c = static_cast<uint8_t>(bytes[i]);
    int extra = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
    if (extra < 0 || (extra == 1 && c < 0xC2) || (extra == 3 && c > 0xF4)) return false;
    if (i + static_cast<size_t>(extra) >= bytes.size() + (extra == 0 ? 1 : 0)) return false;
    for (int k = 1; k <= extra; ++k) {
      if ((static_cast<uint8_t>(bytes[i + static_cast<size_t>(k)]) >> 6) != 2) return false;
    }
    i += static_cast<size_t>(extra) + 1;
  }
  return true;
}

std::u16string DecodeCharset(std::string_view bytes, std::string_view charset) {
  std::string name = UpperAscii(charset);
  if (name.empty()) return IsValidUtf8(bytes) ? FromUtf8(bytes) : FromWindows1252(bytes);
  if (name == "UTF-8" || name == "UTF8" || name == "US-ASCII" || name == "ASCII") {
    return FromUtf8(bytes);
  }
  if (name == "ISO-8859-1" || name == "WINDOWS-1252" || name == "CP1252") {
    return FromWindows1252(bytes);
  }
  if (name.size() > 40) return FromUtf8(bytes);
  return ConvertWithIcu(bytes, name);
}

std::u16string UnescapeText(std::u16string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    char16_t c = text[i];
    if (c == u'\\' && i + 1 < text.size()) {
      char16_t next = text[i + 1];
      if (next == u'n' || next == u'N') {
        out += u'\n';
        ++i;
        continue;
      }
      if (next == u'\\' || next == u',' || next == u';' || next == u':') {
        out += next;
        ++i;
        continue;
      }
    }
    out += c;
  }
  return out;
}

namespace {

std::vector<std::u16string> SplitEscaped(std::u16string_view text, char16_t separator) {
  std::vector<std::u16string> parts;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'\\') {
      ++i;  // the escaped character never separates
    } else if (text[i] == separator) {
      parts.push_back(UnescapeText(text.substr(start, i - start)));
      start = i + 1;
    }
  }
  parts.push_back(UnescapeText(text.substr(std::min(start, text.size()))));
  return parts;
}

}  // namespace

std::vector<std::u16string> SplitStructured(std::u16string_view text) {
  return SplitEscaped(text, u';');
}

std::vector<std::u16string> SplitList(std::u16string_view text) {
  return SplitEscaped(text, u',');
}

std::string EscapeText(std::u16string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    char16_t c = text[i];
    if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') continue;
    if (c == u'\n' || c == u'\r') {
      out += u"\\n";
    } else if (c == u'\\' || c == u',' || c == u';') {
      out += u'\\';
      out += c;
    } else {
      out += c;
    }
  }
  return ToUtf8(out);
}

std::string FoldLine(std::string_view line) {
  constexpr size_t kOctets = 75;
  std::string out;
  out.reserve(line.size() + line.size() / kOctets * 3 + 2);
  size_t room = kOctets;
  size_t i = 0;
  while (i < line.size()) {
    size_t len = 1;
    uint8_t c = static_cast<uint8_t>(line[i]);
    if (c >= 0xC0) len = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
    len = std::min(len, line.size() - i);
    if (len > room) {
      out += "\r\n ";
      room = kOctets - 1;
    }
    out.append(line.substr(i, len));
    room -= len;
    i += len;
  }
  out += "\r\n";
  return out;
}

}  // namespace platform::pim
