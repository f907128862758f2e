#include "platform/ui/JsonWriter.h"

#include "platform/Text.h"

namespace platform::ui {

void JsonWriter::BeforeValue() {
  if (after_key_) {
    after_key_ = false;
    return;
  }
  if (!first_.empty()) {
    if (!first_.back()) out_ += ',';
    first_.back() = false;
  }
}

void JsonWriter::BeginObject() {
  BeforeValue();
  out_ += '{';
  first_.push_back(true);
}

void JsonWriter::EndObject() {
  if (!first_.empty()) first_.pop_back();
  out_ += '}';
}

void JsonWriter::BeginArray() {
  BeforeValue();
  out_ += '[';
  first_.push_back(true);
}

void JsonWriter::EndArray() {
  if (!first_.empty()) first_.pop_back();
  out_ += ']';
}

void JsonWriter::Key(std::string_view key) {
  BeforeValue();
  out_ += Quoted(key);
  out_ += ':';
  after_key_ = true;
}

void JsonWriter::AppendEscaped(std::string& out, std::string_view utf8) {
  static constexpr char kHex[] = "0123456789abcdef";
  for (char c : utf8) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (u < 0x20 || u == 0x7F) {
      out += "\\u00";
      out += kHex[u >> 4];
      out += kHex[u & 15];
    } else {
      out += c;
    }
  }
}

std::string JsonWriter::Escaped(std::u16string_view text) {
  std::string out;
  AppendEscaped(out, ToUtf8(text));
  return out;
}

std::string JsonWriter::Quoted(std::u16string_view text) {
  return '"' + Escaped(text) + '"';
}

std::string JsonWriter::Quoted(std::string_view utf8) {
  // Round trip through UTF-16 so that invalid bytes become U+FFFD and the output stays UTF-8.
  return Quoted(FromUtf8(utf8));
}

void JsonWriter::String(std::string_view utf8) {
  BeforeValue();
  out_ += Quoted(utf8);
}

void JsonWriter::String(std::u16string_view text) {
  BeforeValue();
  out_ += Quoted(text);
}

void JsonWriter::Int(int64_t value) {
  BeforeValue();
  out_ += std::to_string(value);
}

void JsonWriter::Bool(bool value) {
  BeforeValue();
  out_ += value ? "true" : "false";
}

void JsonWriter::Null() {
  BeforeValue();
  out_ += "null";
}

void JsonWriter::Rect(const RECT& rect) {
  BeginArray();
  Int(rect.left);
  Int(rect.top);
  Int(rect.right);
  Int(rect.bottom);
  EndArray();
}

void JsonWriter::StringField(std::string_view key, std::u16string_view text) {
  Key(key);
  String(text);
}

void JsonWriter::StringField(std::string_view key, std::string_view utf8) {
  Key(key);
  String(utf8);
}

void JsonWriter::IntField(std::string_view key, int64_t value) {
  Key(key);
  Int(value);
}

void JsonWriter::BoolField(std::string_view key, bool value) {
  Key(key);
  Bool(value);
}

void JsonWriter::RectField(std::string_view key, const RECT& rect) {
  Key(key);
  Rect(rect);
}

}  // namespace platform::ui
