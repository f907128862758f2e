#include "platform/pim/VCardLine.h"

#include <algorithm>
#include <cctype>

namespace platform::pim {

namespace {

// Position of the first ':' outside double quotes, or npos.
size_t HeaderEnd(std::string_view text) {
  bool quoted = false;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '"') quoted = !quoted;
    if (text[i] == ':' && !quoted) return i;
  }
  return std::string_view::npos;
}

// Splits on `separator` outside double quotes.
std::vector<std::string_view> SplitOutsideQuotes(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  bool quoted = false;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '"') quoted = !quoted;
    if (text[i] == separator && !quoted) {
      parts.push_back(text.substr(start, i - start));
      start = i + 1;
    }
  }
  parts.push_back(text.substr(start));
  return parts;
}

// Quotes removed and RFC 6868 escapes (^n, ^', ^^) decoded.
std::string ParamValue(std::string_view raw) {
  if (raw.size() >= 2 && raw.front() == '"' && raw.back() == '"')
    raw = raw.substr(1, raw.size() - 2);
  std::string out;
  for (size_t i = 0; i < raw.size(); ++i) {
    if (raw[i] == '^' && i + 1 < raw.size()) {
      char next = raw[i + 1];
      if (next == 'n' || next == 'N' || next == '\'' || next == '^') {
        out += next == '\'' ? '"' : next == '^' ? '^' : '\n';
        ++i;
        continue;
      }
    }
    out += raw[i];
  }
  return out;
}

bool IsEncodingToken(std::string_view upper) {
  return upper == "QUOTED-PRINTABLE" || upper == "BASE64" || upper == "8BIT" || upper == "7BIT";
}

VCardParam ParseParam(std::string_view raw) {
  VCardParam param;
  size_t eq = raw.find('=');
  if (eq == std::string_view::npos) {
    // vCard 2.1 bare parameter: an encoding or a type.
    std::string upper = UpperAscii(raw);
    param.name = IsEncodingToken(upper) ? "ENCODING" : "TYPE";
    param.values.push_back(std::string(raw));
    return param;
  }
  param.name = UpperAscii(raw.substr(0, eq));
  for (std::string_view v : SplitOutsideQuotes(raw.substr(eq + 1), ',')) {
    param.values.push_back(ParamValue(v));
  }
  return param;
}

std::vector<VCardParam> ParseHeaderParams(std::string_view header) {
  std::vector<VCardParam> params;
  auto parts = SplitOutsideQuotes(header, ';');
  for (size_t i = 1; i < parts.size(); ++i) {
    if (!parts[i].empty()) params.push_back(ParseParam(parts[i]));
  }
  return params;
}

bool HasEncoding(const std::vector<VCardParam>& params, bool base64) {
  for (const VCardParam& p : params) {
    if (p.name != "ENCODING") continue;
    for (const std::string& v : p.values) {
      std::string upper = UpperAscii(v);
      if (base64 ? (upper == "B" || upper == "BASE64") : upper == "QUOTED-PRINTABLE") return true;
    }
  }
  return false;
}

bool IsBase64Text(std::string_view line) {
  return !line.empty() && std::all_of(line.begin(), line.end(), [](char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '+' || c == '/' || c == '=' ||
           c == ' ' || c == '\t';
  });
}

bool IsBlank(std::string_view line) {
  return std::all_of(line.begin(), line.end(), [](char c) { return c == ' ' || c == '\t'; });
}

struct Builder {
  std::vector<LogicalLine> lines;
  bool open = false;
  bool quoted_printable = false;
  bool base64 = false;

  void Start(int number, std::string_view text) {
    lines.push_back({number, std::string(text), text.size() > kMaxVCardLineBytes});
    if (lines.back().too_long) lines.back().text.clear();
    open = true;
    size_t end = HeaderEnd(text);
    auto params = end == std::string_view::npos ? std::vector<VCardParam>()
                                                : ParseHeaderParams(text.substr(0, end));
    quoted_printable = HasEncoding(params, false);
    base64 = HasEncoding(params, true);
  }
  void Append(std::string_view text) {
    LogicalLine& current = lines.back();
    if (current.too_long) return;
    if (current.text.size() + text.size() > kMaxVCardLineBytes) {
      current.too_long = true;
      current.text.clear();
      return;
    }
    current.text.append(text);
  }
  bool SoftBreakPending() const {
    return open && quoted_printable && !lines.back().too_long && !lines.back().text.empty() &&
           lines.back().text.back() == '=';
  }
};

}  // namespace

std::string UpperAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return out;
}

bool EqualsNoCaseAscii(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::toupper(static_cast<unsigned char>(x)) ==
                  std::toupper(static_cast<unsigned char>(y));
         });
}

std::vector<LogicalLine> SplitLogicalLines(std::string_view bytes) {
  Builder b;
  int number = 0;
  size_t pos = 0;
  while (pos < bytes.size()) {
    size_t nl = bytes.find('\n', pos);
    std::string_view line =
        bytes.substr(pos, nl == std::string_view::npos ? std::string_view::npos : nl - pos);
    pos = nl == std::string_view::npos ? bytes.size() : nl + 1;
    ++number;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (b.SoftBreakPending()) {
      b.lines.back().text.pop_back();  // the "=" of the soft break
      b.Append(line);
    } else if (b.open && !line.empty() && (line[0] == ' ' || line[0] == '\t') &&
               !(b.base64 && IsBlank(line))) {
      b.Append(line.substr(1));
    } else if (b.open && b.base64 && IsBase64Text(line)) {
      b.Append(line);
    } else if (IsBlank(line)) {
      b.open = false;  // a blank line ends a vCard 2.1 base64 block
    } else {
      b.Start(number, line);
    }
  }
  return std::move(b.lines);
}

bool ParseContentLine(const LogicalLine& logical, VCardLine* out) {
  std::string_view text = logical.text;
  size_t end = HeaderEnd(text);
  if (end == std::string_view::npos || end == 0) return false;
  std::string_view header = text.substr(0, end);
  std::string_view name = header.substr(0, std::min(header.find(';'), header.size()));
  size_t dot = name.find('.');
  out->line = logical.line;
  out->group = dot == std::string_view::npos ? "" : UpperAscii(name.substr(0, dot));
  for (char& c : out->group) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (dot != std::string_view::npos) name = name.substr(dot + 1);
  if (name.empty()) return false;
  for (char c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-' && c != '_') return false;
  }
  out->name = UpperAscii(name);
  out->params = ParseHeaderParams(header);
  out->value = std::string(text.substr(end + 1));
  return true;
}

std::string VCardLine::Param(std::string_view wanted) const {
  for (const VCardParam& p : params) {
    if (p.name == wanted && !p.values.empty()) return UpperAscii(p.values.front());
  }
  return {};
}

bool VCardLine::HasParam(std::string_view wanted) const {
  return std::any_of(params.begin(), params.end(),
                     [&](const VCardParam& p) { return p.name == wanted; });
}

bool VCardLine::HasType(std::string_view type) const {
  for (const VCardParam& p : params) {
    if (p.name != "TYPE") continue;
    for (const std::string& v : p.values) {
      if (EqualsNoCaseAscii(v, type)) return true;
    }
  }
  return false;
}

}  // namespace platform::pim
