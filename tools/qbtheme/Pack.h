// qbtheme pack: zips every regular file of a folder into a theme archive.
#pragma once

#include <string>
#include <vector>

namespace qbtheme {

// Packs `dir` into `out`: members sorted by their relative path (bytewise), '/' separators,
// deflated, all stamped 1980-01-01 00:00 so the same folder always gives the same bytes.
// Symbolic links and special files are skipped. Returns the exit code (0, or 1 with a message
// on stderr); the archive is written to a temporary file and renamed into place.
int Pack(const std::string& dir, const std::string& out);

int PackCommand(const std::vector<std::string>& args);

}  // namespace qbtheme
