// Reads one property of a store, folder or message. Success needs a non-failing call that
// returned exactly one value whose tag is the asked tag (an error-typed value fails). On
// failure the diagnostic names the tag, the caller's file and line, the result, the count and
// the returned tag and error, and nothing is returned.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/msgstore/PropObject.h"

std::optional<platform::msgstore::PropValue> MAPIGetProperty(platform::msgstore::PropObject& object,
                                                             uint32_t tag, const char* tag_name,
                                                             const char* file, int line);
