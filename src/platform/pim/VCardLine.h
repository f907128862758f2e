// Content lines of a vCard file. SplitLogicalLines undoes the transport forms of every dialect:
// folded lines (CRLF or LF followed by a space or tab), quoted-printable soft line breaks ("="
// at the end of a line, joined before unfolding, the next line taken as it is) and vCard 2.1
// base64 blocks whose lines are not indented and which end at a blank line. ParseContentLine
// cuts one logical line into group, name, parameters and the still encoded value.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform::pim {

// Longest logical line accepted: enough for a 2 MiB picture in base64 with folding.
inline constexpr size_t kMaxVCardLineBytes = 3 * 1024 * 1024;

struct LogicalLine {
  int line = 0;  // first physical line, from 1
  std::string text;
  bool too_long = false;
};

std::vector<LogicalLine> SplitLogicalLines(std::string_view bytes);

struct VCardParam {
  std::string name;                 // upper case; "TYPE" for the bare types of vCard 2.1
  std::vector<std::string> values;  // quotes removed, ^-escapes decoded
};

struct VCardLine {
  int line = 0;
  std::string group;  // lower case, without the dot; empty when none
  std::string name;   // upper case
  std::vector<VCardParam> params;
  std::string value;  // as written, still encoded

  // First value of a parameter, upper-cased, or empty.
  std::string Param(std::string_view name) const;
  // Whether a TYPE value equals `type` (case-insensitive), whatever the syntax.
  bool HasType(std::string_view type) const;
  bool HasParam(std::string_view name) const;
};

// False when the line has no ':' or no name.
bool ParseContentLine(const LogicalLine& logical, VCardLine* out);

// ASCII case helpers shared by the vCard code.
std::string UpperAscii(std::string_view text);
bool EqualsNoCaseAscii(std::string_view a, std::string_view b);

}  // namespace platform::pim
