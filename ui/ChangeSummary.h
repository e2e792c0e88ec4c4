#pragma once

#include <string>

class CChangeTracker;

// The text of the summary box: a header line with the folder, the number
// of files to send and their bytes, then the files to send with their
// sizes, then the files to delete. Lines end in CR LF; a tab stands
// between a name and its size.
std::string FormatChangeSummary(const std::string& pageFolder, const CChangeTracker& tracker);
