// Opening the registry's store file so that a damaged file never stops the program: a file
// that is not a database, fails its quick check or holds foreign tables is moved aside as
// "<path>.corrupt-<n>" (with its write-ahead log) and an empty store is built in its place.
#pragma once

#include <memory>
#include <string>

#include "platform/Sqlite.h"

namespace platform {

// The open, checked store with its tables, or nullptr when no store can be opened or created
// at that path (the reason goes to stderr once per path).
std::unique_ptr<Database> OpenRegistryFile(const std::string& path);

}  // namespace platform
