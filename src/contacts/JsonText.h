// Minimal JSON writing for the reports of the tools: quoted, escaped UTF-8 strings and the
// fields of one object.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>

class JsonText {
 public:
  // Opens an object on `out`; the caller closes it with "}".
  explicit JsonText(std::ostream& out) : out_(out) { out_ << "{"; }

  void Field(std::string_view name, std::u16string_view value);
  void Field(std::string_view name, int64_t value);
  void Field(std::string_view name, bool value);

  // `text` as UTF-8 with quotes, backslashes and control characters escaped (in quotes when
  // `quoted`). Suitable for JSON and for one-line text output.
  static std::string Escape(std::u16string_view text, bool quoted);

 private:
  void Name(std::string_view name);

  std::ostream& out_;
  bool first_ = true;
};
