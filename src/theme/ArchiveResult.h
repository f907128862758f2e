// Result codes of the theme archive layer and their diagnostic texts. The numeric values are
// fixed: they appear in the theme tool's warnings and in logs.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace theme {

using ArchiveResult = uint32_t;

inline constexpr ArchiveResult kArchiveSuccess = 0x00000000;
inline constexpr ArchiveResult kArchiveCannotOpen = 0x00000200;
inline constexpr ArchiveResult kArchiveEntryNotFound = 0x00000500;
inline constexpr ArchiveResult kArchiveMoreData = 0x00000600;
inline constexpr ArchiveResult kArchivePasswordRequired = 0x00001000;
inline constexpr ArchiveResult kArchiveFaultyArguments = 0x00010000;
inline constexpr ArchiveResult kArchiveNotReadingHandle = 0x00080000;
inline constexpr ArchiveResult kArchiveAlreadyOpen = 0x01000000;
inline constexpr ArchiveResult kArchiveDamaged = 0x05000000;

// The diagnostic text of a code ("Success", "File not found in the zipfile", ...);
// "Unknown error" for a value outside the table.
std::string_view ArchiveResultText(ArchiveResult code);

// "0x00000200 (Couldn't create/open file)": the code in hexadecimal and its text.
std::string DescribeArchiveResult(ArchiveResult code);

}  // namespace theme
