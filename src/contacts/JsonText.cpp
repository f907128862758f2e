// JSON escaping for tool reports.
#include "contacts/JsonText.h"

#include "platform/Text.h"

std::string JsonText::Escape(std::u16string_view text, bool quoted) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string utf8 = platform::ToUtf8(text);
  std::string out;
  out.reserve(utf8.size() + 2);
  if (quoted) out += '"';
  for (unsigned char c : utf8) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c < 0x20 || c == 0x7F) {
      out += "\\u00";
      out += kHex[c >> 4];
      out += kHex[c & 15];
    } else {
      out += static_cast<char>(c);
    }
  }
  if (quoted) out += '"';
  return out;
}

void JsonText::Name(std::string_view name) {
  out_ << (first_ ? "\"" : ",\"") << name << "\":";
  first_ = false;
}

void JsonText::Field(std::string_view name, std::u16string_view value) {
  Name(name);
  out_ << Escape(value, true);
}

void JsonText::Field(std::string_view name, int64_t value) {
  Name(name);
  out_ << value;
}

void JsonText::Field(std::string_view name, bool value) {
  Name(name);
  out_ << (value ? "true" : "false");
}
