// Checks of the generator itself, run by `themeart selftest`: every image of the catalogue
// renders to the same bytes twice, its PNG decodes back (with cairo's own reader) to the
// pixels that were drawn, and file names are unique per theme.
#pragma once

#include <string>
#include <vector>

namespace themeart {

// Failures, one line each; empty when every check passes.
std::vector<std::string> RunSelfTest();

}  // namespace themeart
