#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "tracker/FileEntry.h"

// Finds, by name, the first entry of a list in list order, in constant
// time. It holds indexes into the list, not copies of the names, so it
// must be rebuilt whenever entries move or go away.
class CNameIndex {
public:
    static constexpr std::size_t npos = static_cast<std::size_t>(-1);

    void Rebuild(const FileEntryArray& entries);
    // Index entries[i], unless an earlier entry of the same name is indexed.
    void Add(const FileEntryArray& entries, std::size_t i);
    std::size_t Find(const FileEntryArray& entries, std::string_view name) const;

private:
    std::size_t SlotOf(const FileEntryArray& entries, std::string_view name) const;
    void Grow(const FileEntryArray& entries);

    static constexpr std::uint32_t empty = UINT32_MAX;
    std::vector<std::uint32_t> m_slots; // open addressing, size a power of two
    std::size_t m_used = 0;
};
