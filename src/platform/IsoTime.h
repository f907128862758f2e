// ISO 8601 date-times as tools and modems write them: "YYYY-MM-DDTHH:MM[:SS]" (a space may
// stand for the "T"), then an optional zone: "Z", "+HH", "+HHMM" or "+HH:MM" (or "-").
// A time without a zone is UTC.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace platform {

// Unix seconds of the time, or nothing when the text is not such a time (any extra
// character, an impossible date, hour, minute, second or zone offset).
std::optional<int64_t> ParseIsoTime(std::string_view text);

}  // namespace platform
