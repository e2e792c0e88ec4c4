#include "tracker/ChangeTracker.h"

#include "framework/files/FolderListing.h"
#include "tracker/EntryTime.h"

CChangeTracker::CChangeTracker()
{
    LoadState();
    Rescan();
}

CChangeTracker::~CChangeTracker()
{
    SaveState();
}

void CChangeTracker::SetFolderAndRescan(std::string folder)
{
    if (folder != m_strFolder) {
        FileEntryArray().swap(m_arrUpToDate);
        m_indexValid = false;
        m_strFolder = std::move(folder);
    }
    Rescan();
}

void CChangeTracker::Rescan()
{
    m_arrToDelete.clear();
    m_arrToSend.clear();
    if (m_strFolder.empty())
        return;
    m_arrSeen.assign(m_arrUpToDate.size(), 0);
    // Indexed afresh for every scan: cheap beside the listing, and it keeps
    // the index true to the list whatever happened to the list before.
    m_indexValid = false;

    ListFolderFiles(m_strFolder, [this](const FolderFile& file) {
        FileEntry entry{std::string(file.name), static_cast<std::uint32_t>(file.size),
                        ToEntryTime(file.lastWriteTime)};
        if (Classify(entry) != fileUnchanged)
            m_arrToSend.push_back(std::move(entry));
    });

    for (std::size_t i = 0; i < m_arrSeen.size(); ++i)
        if (!m_arrSeen[i])
            m_arrToDelete.push_back(m_arrUpToDate[i]);
}

std::size_t CChangeTracker::FindUpToDate(const std::string& name)
{
    if (!m_indexValid) {
        m_index.Rebuild(m_arrUpToDate);
        m_indexValid = true;
    }
    return m_index.Find(m_arrUpToDate, name);
}

CChangeTracker::EClassification CChangeTracker::Classify(const FileEntry& entry)
{
    const std::size_t i = FindUpToDate(entry.m_strName);
    if (i == CNameIndex::npos)
        return fileNew;
    m_arrSeen[i] = 1;
    const FileEntry& recorded = m_arrUpToDate[i];
    if (recorded.m_dwSize != entry.m_dwSize || recorded.m_time != entry.m_time)
        return fileChanged;
    return fileUnchanged;
}

std::int32_t CChangeTracker::GetTotalSendBytes() const
{
    std::uint32_t total = 0;
    for (const FileEntry& entry : m_arrToSend)
        total += entry.m_dwSize;
    return static_cast<std::int32_t>(total);
}
