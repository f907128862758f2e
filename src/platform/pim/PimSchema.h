// The tables of the contact store and their creation.
//
//   contacts(oid)                 one row per contact; AUTOINCREMENT so that an object id is
//                                 never given twice, even after the highest one was deleted
//   props(oid, prop, text, num)   one row per property with a value; text as UTF-16 bytes in
//                                 the machine's order, numbers in num
//   pictures(oid, bytes)          the picture's image file bytes
//   named_props(name, prop)       named property ids
//   changes(seq, oid, kind, writer)  change log read by the watchers of other processes
#pragma once

#include <string>

namespace platform {
class Database;
}

namespace platform::pim {

inline constexpr int kSchemaVersion = 1;

// Creates the tables when missing. False with *error naming the file when the file is not a
// usable store (not a database, damaged, or written by a newer version).
bool PrepareSchema(Database& db, std::string* error);

// Keeps the change log short: entries this far behind the newest are dropped.
inline constexpr int64_t kChangeLogKeep = 10000;

}  // namespace platform::pim
