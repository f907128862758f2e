// Checking and normalising registry key paths and value names, which come from callers,
// tools and scripts and so are treated as untrusted.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Splits "\A\B\C" or "A\B\C" into its components. An empty path (or a lone "\") names the
// root itself. nullopt when a component is empty, too long, holds a NUL or broken UTF-16,
// or when the path is too long or too deep.
std::optional<std::vector<std::u16string>> SplitRegistryPath(std::u16string_view path);

// Whether a value name is acceptable: bounded length, no NUL, well-formed UTF-16. The empty
// name (the key's default value) is acceptable.
bool IsValidRegistryValueName(std::u16string_view name);

// The form names are compared in: lower-cased per UTF-16 unit, as UTF-8.
std::string FoldRegistryName(std::u16string_view name);

}  // namespace platform
