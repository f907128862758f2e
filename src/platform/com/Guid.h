// Class and interface identifiers: 128-bit GUIDs in the old platform's layout, with their
// registry string form "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}".
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform::com {

struct Guid {
  uint32_t data1 = 0;
  uint16_t data2 = 0;
  uint16_t data3 = 0;
  std::array<uint8_t, 8> data4{};
  friend bool operator==(const Guid&, const Guid&) = default;
};
using CLSID = Guid;
using IID = Guid;

// The registry string form, upper-case hexadecimal in braces.
std::u16string FormatGuid(const Guid& guid);
// Reads the registry string form (either case); nullopt for anything else.
std::optional<Guid> ParseGuid(std::u16string_view text);

}  // namespace platform::com
