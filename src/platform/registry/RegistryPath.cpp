#include "platform/registry/RegistryPath.h"

#include "platform/Text.h"
#include "platform/registry/Registry.h"

namespace platform {

namespace {

// No NUL and no unpaired surrogate: two different names must never fold to the same text.
bool IsWellFormed(std::u16string_view text) {
  for (size_t i = 0; i < text.size(); ++i) {
    char16_t c = text[i];
    if (c == 0) return false;
    if (c >= 0xD800 && c <= 0xDBFF) {
      if (i + 1 >= text.size() || text[i + 1] < 0xDC00 || text[i + 1] > 0xDFFF) return false;
      ++i;
    } else if (c >= 0xDC00 && c <= 0xDFFF) {
      return false;
    }
  }
  return true;
}

}  // namespace

std::optional<std::vector<std::u16string>> SplitRegistryPath(std::u16string_view path) {
  if (path.size() > kMaxRegistryPath) return std::nullopt;
  if (!path.empty() && path.front() == u'\\') path.remove_prefix(1);
  std::vector<std::u16string> components;
  if (path.empty()) return components;
  size_t start = 0;
  for (;;) {
    size_t end = path.find(u'\\', start);
    std::u16string_view part = path.substr(start, end == path.npos ? path.npos : end - start);
    if (part.empty() || part.size() > kMaxRegistryKeyComponent || !IsWellFormed(part)) {
      return std::nullopt;
    }
    components.emplace_back(part);
    if (components.size() > kMaxRegistryDepth) return std::nullopt;
    if (end == path.npos) break;
    start = end + 1;
  }
  return components;
}

bool IsValidRegistryValueName(std::u16string_view name) {
  return name.size() <= kMaxRegistryValueName && IsWellFormed(name);
}

std::string FoldRegistryName(std::u16string_view name) {
  return ToUtf8(ToLower(name));
}

}  // namespace platform
