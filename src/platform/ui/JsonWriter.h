// The one JSON writer of the program and its tools: objects, arrays, strings (UTF-16 or
// UTF-8, escaped), integers, booleans and rectangles as [left, top, right, bottom]. Keys and
// values are written in call order; commas and nesting are handled here. Texts from outside
// (themes, contacts, messages) cannot break the output: quotes, backslashes and every control
// character are escaped, and invalid UTF-8 becomes U+FFFD.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Types.h"

namespace platform::ui {

class JsonWriter {
 public:
  void BeginObject();
  void EndObject();
  void BeginArray();
  void EndArray();
  // Inside an object: the next value's key.
  void Key(std::string_view key);
  void String(std::string_view utf8);
  void String(std::u16string_view text);
  void Int(int64_t value);
  void Bool(bool value);
  void Null();
  void Rect(const RECT& rect);

  // A key and its value in one call (inside an object).
  void StringField(std::string_view key, std::u16string_view text);
  void StringField(std::string_view key, std::string_view utf8);
  void IntField(std::string_view key, int64_t value);
  void BoolField(std::string_view key, bool value);
  void RectField(std::string_view key, const RECT& rect);

  // `text` as a JSON string literal, with its quotes.
  static std::string Quoted(std::u16string_view text);
  static std::string Quoted(std::string_view utf8);
  // The escaped content of that literal without the quotes (for one-line text reports).
  static std::string Escaped(std::u16string_view text);

  // The text written so far.
  const std::string& Text() const { return out_; }

 private:
  void BeforeValue();
  static void AppendEscaped(std::string& out, std::string_view utf8);

  std::string out_;
  std::vector<bool> first_;  // per open container: nothing written in it yet
  bool after_key_ = false;
};

}  // namespace platform::ui
