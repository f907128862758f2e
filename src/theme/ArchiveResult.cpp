// Diagnostic texts of the archive result codes.
#include "theme/ArchiveResult.h"

#include <array>
#include <cstdio>
#include <utility>

namespace theme {

namespace {

constexpr std::array<std::pair<ArchiveResult, std::string_view>, 9> kTexts{{
    {kArchiveSuccess, "Success"},
    {kArchiveCannotOpen, "Couldn't create/open file"},
    {kArchiveEntryNotFound, "File not found in the zipfile"},
    {kArchiveMoreData, "Still more data to unzip"},
    {kArchivePasswordRequired, "Correct password required"},
    {kArchiveFaultyArguments, "Caller: faulty arguments"},
    {kArchiveNotReadingHandle, "Caller: mixing creation and opening of zip"},
    {kArchiveAlreadyOpen, "Zip-bug: internal initialisation not completed"},
    {kArchiveDamaged, "Zip-bug: an internal error during flation"},
}};

}  // namespace

std::string_view ArchiveResultText(ArchiveResult code) {
  for (const auto& [value, text] : kTexts) {
    if (value == code) return text;
  }
  return "Unknown error";
}

}  // namespace theme

namespace theme {

std::string DescribeArchiveResult(ArchiveResult code) {
  char hex[16];
  std::snprintf(hex, sizeof hex, "0x%08X", static_cast<unsigned>(code));
  return std::string(hex) + " (" + std::string(ArchiveResultText(code)) + ")";
}

}  // namespace theme
