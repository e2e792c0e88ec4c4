#include "tracker/NameIndex.h"

#include <functional>

void CNameIndex::Rebuild(const FileEntryArray& entries)
{
    std::size_t capacity = 16;
    while (capacity < 2 * entries.size())
        capacity *= 2;
    m_slots.assign(capacity, empty);
    m_used = 0;
    for (std::size_t i = 0; i < entries.size(); ++i)
        Add(entries, i);
}

std::size_t CNameIndex::SlotOf(const FileEntryArray& entries, std::string_view name) const
{
    const std::size_t mask = m_slots.size() - 1;
    std::size_t slot = std::hash<std::string_view>{}(name) & mask;
    while (m_slots[slot] != empty && entries[m_slots[slot]].m_strName != name)
        slot = (slot + 1) & mask;
    return slot;
}

void CNameIndex::Add(const FileEntryArray& entries, std::size_t i)
{
    if (2 * (m_used + 1) > m_slots.size())
        Grow(entries);
    std::size_t slot = SlotOf(entries, entries[i].m_strName);
    if (m_slots[slot] == empty) {
        m_slots[slot] = static_cast<std::uint32_t>(i);
        ++m_used;
    }
}

void CNameIndex::Grow(const FileEntryArray& entries)
{
    std::vector<std::uint32_t> old;
    old.swap(m_slots);
    m_slots.assign(old.empty() ? 16 : 2 * old.size(), empty);
    for (std::uint32_t i : old)
        if (i != empty)
            m_slots[SlotOf(entries, entries[i].m_strName)] = i;
}

std::size_t CNameIndex::Find(const FileEntryArray& entries, std::string_view name) const
{
    if (m_slots.empty())
        return npos;
    std::uint32_t i = m_slots[SlotOf(entries, name)];
    return i == empty ? npos : i;
}
