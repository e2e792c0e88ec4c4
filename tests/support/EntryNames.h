#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "tracker/FileEntry.h"

// The names of a list, sorted: a folder lists its files in an order of
// its own.
inline std::vector<std::string> SortedNames(const FileEntryArray& entries)
{
    std::vector<std::string> names;
    for (const FileEntry& entry : entries)
        names.push_back(entry.m_strName);
    std::sort(names.begin(), names.end());
    return names;
}
