// qbtheme check: loads a theme the way the program does and reports every resolved value and
// every problem met (unknown keys, missing or undecodable images, a missing settings.ini,
// archive errors).
#pragma once

#include <string>
#include <vector>

namespace qbtheme {

// Exit code 0 without warnings, 1 with warnings, 2 on a usage error.
int CheckCommand(const std::vector<std::string>& args);

}  // namespace qbtheme
