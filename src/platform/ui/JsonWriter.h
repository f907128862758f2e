// A small streaming JSON writer for state dumps: objects, arrays, strings (UTF-16 or UTF-8,
// escaped), integers, booleans and rectangles as [left, top, right, bottom]. Keys and values
// are written in call order; commas and nesting are handled here.
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

  // The text written so far.
  const std::string& Text() const { return out_; }

 private:
  void BeforeValue();
  void Escaped(std::string_view utf8);

  std::string out_;
  std::vector<bool> first_;  // per open container: nothing written in it yet
  bool after_key_ = false;
};

}  // namespace platform::ui
