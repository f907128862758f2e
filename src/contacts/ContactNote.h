// The note of a stored contact: free text of several lines kept in the contact store (the
// note property), read when the detail screen's note box opens and written back when the
// user changed it. The whole note is kept: it is bounded only by the store's text limit.
//
// UI thread (the store calls are synchronous).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace platform::pim {
class PimApplication;
}

// The longest note, in UTF-16 units: what the store holds in one text value.
size_t MaxContactNoteUnits();

// The note of the contact (empty when it has none); nullopt when the contact no longer exists.
std::optional<std::u16string> ReadContactNote(platform::pim::PimApplication& store,
                                              uint32_t object_id);

// Stores `note` as the contact's note (an empty note removes it). False when the contact no
// longer exists or the store refused it; nothing is changed then.
bool WriteContactNote(platform::pim::PimApplication& store, uint32_t object_id,
                      const std::u16string& note);
