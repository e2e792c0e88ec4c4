#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One file of the page folder as it was seen or recorded.
struct FileEntry {
    std::string m_strName;     // the name inside the folder, the file system's bytes
    std::uint32_t m_dwSize = 0; // low 32 bits of the size in bytes
    std::int32_t m_time = 0;    // last write, seconds since 1970 UTC; 0 or -1 when unrepresentable

    bool operator==(const FileEntry&) const = default;
};

using FileEntryArray = std::vector<FileEntry>;
