// Debug channels: QUILLBOOK_DEBUG lists the channels whose trace lines go to standard error,
// separated by commas or spaces ("startup,frames"). Lines start with "quillbook: " and the
// channel's name; the texts are the program's own.
#pragma once

#include <string_view>

namespace platform {

// Whether QUILLBOOK_DEBUG names `channel`; read at each call (cheap; callers keep the answer).
bool DebugChannelOn(std::string_view channel);

}  // namespace platform
