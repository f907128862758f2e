// qbtheme docs: the key table of the theme documentation, generated from the settings table.
#pragma once

#include <string>
#include <vector>

namespace qbtheme {

// The Markdown key table (one section per kind of value).
std::string KeyTableMarkdown();

int DocsCommand(const std::vector<std::string>& args);

}  // namespace qbtheme
