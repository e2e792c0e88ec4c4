#pragma once

#include <string>

// What goes between a folder text and a name to make a path: nothing when
// the text already ends in the separator, else the separator.
std::string GetFolderSeparator(const std::string& folder);
