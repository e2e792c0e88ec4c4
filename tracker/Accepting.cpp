#include <unordered_map>

#include "tracker/ChangeTracker.h"

void CChangeTracker::RecordAsUpToDate(const FileEntry& entry)
{
    const std::size_t i = FindUpToDate(entry.m_strName);
    if (i != CNameIndex::npos) {
        m_arrUpToDate[i] = entry;
        return;
    }
    m_arrUpToDate.push_back(entry);
    m_index.Add(m_arrUpToDate, m_arrUpToDate.size() - 1);
}

void CChangeTracker::AcceptEntry(std::size_t i)
{
    RecordAsUpToDate(m_arrToSend[i]);
    SaveState();
}

void CChangeTracker::ForgetDeletedEntry(std::size_t i)
{
    const std::size_t found = FindUpToDate(m_arrToDelete[i].m_strName);
    if (found == CNameIndex::npos)
        return;
    m_arrUpToDate.erase(m_arrUpToDate.begin() + static_cast<std::ptrdiff_t>(found));
    m_indexValid = false;
}

// Forgetting each delete-list name in turn removes, for a name listed k
// times, its first k up-to-date entries; one pass does the same.
void CChangeTracker::PruneDeleted()
{
    if (m_arrToDelete.empty())
        return;
    std::unordered_map<std::string, std::size_t> toForget;
    for (const FileEntry& entry : m_arrToDelete)
        ++toForget[entry.m_strName];
    std::erase_if(m_arrUpToDate, [&](const FileEntry& entry) {
        auto it = toForget.find(entry.m_strName);
        if (it == toForget.end() || it->second == 0)
            return false;
        --it->second;
        return true;
    });
    m_indexValid = false;
}

// Every acceptance rewrites the same whole file, so writing it once after
// the last one leaves the same bytes.
void CChangeTracker::MarkAllUpToDate()
{
    Rescan();
    PruneDeleted();
    if (m_arrToSend.empty())
        return;
    for (const FileEntry& entry : m_arrToSend)
        RecordAsUpToDate(entry);
    SaveState();
}

void CChangeTracker::SetFolderAndMarkUpToDate(std::string folder)
{
    m_strFolder = std::move(folder);
    MarkAllUpToDate();
}
