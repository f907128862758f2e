// The message-store wrappers' debug trace. Diagnostics are composed on failure paths and
// written to standard error when the environment variable QUILLBOOK_TRACE is set; otherwise
// they go nowhere. Tests can capture them with a sink instead.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace mapi {

// Whether a diagnostic would be written anywhere (saves composing it when not).
bool TraceEnabled();
void Trace(std::string_view text);

// Sends every diagnostic to `sink` (whatever QUILLBOOK_TRACE says) until reset with nullptr.
// Not for use while other threads trace.
void SetTraceSinkForTesting(std::function<void(std::string_view)> sink);

// Hexadecimal texts of a result code or tag: "%X" (upper case, no padding) and "%08x".
std::string HexUpper(uint32_t value);
std::string Hex8(uint32_t value);

}  // namespace mapi
