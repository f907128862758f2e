#include "platform/ui/JsonWriter.h"

#include <cstdio>

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
  Escaped(key);
  out_ += ':';
  after_key_ = true;
}

void JsonWriter::Escaped(std::string_view utf8) {
  out_ += '"';
  for (char c : utf8) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out_ += '\\';
      out_ += c;
    } else if (c == '\n') {
      out_ += "\\n";
    } else if (u < 0x20) {
      char buffer[8];
      std::snprintf(buffer, sizeof buffer, "\\u%04x", u);
      out_ += buffer;
    } else {
      out_ += c;
    }
  }
  out_ += '"';
}

void JsonWriter::String(std::string_view utf8) {
  BeforeValue();
  // Round trip through UTF-16 so that invalid bytes become U+FFFD and the output stays UTF-8.
  Escaped(ToUtf8(FromUtf8(utf8)));
}

void JsonWriter::String(std::u16string_view text) {
  BeforeValue();
  Escaped(ToUtf8(text));
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

}  // namespace platform::ui
