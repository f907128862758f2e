// Registered window messages: a name maps to a message id of 0xC000 or above, the same id for
// the same name (compared without ASCII case) for the whole process. Registration works before
// any window manager exists (static initialisers use it) and from any thread.
#pragma once

#include <optional>
#include <string_view>

#include "platform/Messages.h"

namespace platform::ui {

inline constexpr UINT kFirstRegisteredMessage = 0xC000;
inline constexpr UINT kLastRegisteredMessage = 0xFFFF;
// Longest name accepted; longer names are refused (id 0).
inline constexpr size_t kMaxMessageNameLength = 255;

// The id for the name, registering it when new; 0 for an empty or too long name, or when the
// id range is exhausted.
UINT RegisterWindowMessage(std::u16string_view name);

// The id of an already registered name, without registering it (for names from outside).
std::optional<UINT> FindRegisteredMessage(std::u16string_view name);

}  // namespace platform::ui
