#include <algorithm>

#include "framework/files/Archive.h"
#include "framework/files/File.h"
#include "framework/files/StateDirectory.h"
#include "tracker/ChangeTracker.h"

std::string GetStateFilePath()
{
    return GetStateDirectory() + "/Tolvark.cfg";
}

// A state file that cannot be read leaves what was read whole: the folder
// text, and the entries before the first one cut short.
void CChangeTracker::LoadState()
{
    try {
        CFile file = CFile::OpenForReading(GetStateFilePath());
        CArchive ar(file, CArchive::load);
        Serialize(ar);
    } catch (const CFileException&) {
    } catch (const CArchiveException&) {
    }
    m_indexValid = false;
}

// The new state goes to a file beside the old one, which it replaces only
// once it is whole on the disk.
void CChangeTracker::SaveState()
{
    try {
        CReplacementFile file(GetStateFilePath());
        CArchive ar(file.File(), CArchive::store);
        Serialize(ar);
        ar.Flush();
        file.Commit();
    } catch (const CFileException&) {
    } catch (const CArchiveException&) {
    }
}

void CChangeTracker::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteCountedText(m_strFolder);
        ar.WriteCount(static_cast<std::uint32_t>(m_arrUpToDate.size()));
        for (const FileEntry& entry : m_arrUpToDate) {
            ar.WriteCountedText(entry.m_strName);
            ar.WriteU32(entry.m_dwSize);
            ar.WriteU32(static_cast<std::uint32_t>(entry.m_time));
        }
        return;
    }
    m_strFolder = ar.ReadCountedText();
    m_arrUpToDate.clear();
    const std::uint32_t count = ar.ReadCount();
    // The smallest entry is 9 bytes: an empty name and two numbers.
    m_arrUpToDate.reserve(std::min<std::uint64_t>(count, ar.BytesLeft() / 9));
    for (std::uint32_t i = 0; i < count; ++i) {
        FileEntry entry;
        entry.m_strName = ar.ReadCountedText();
        entry.m_dwSize = ar.ReadU32();
        entry.m_time = static_cast<std::int32_t>(ar.ReadU32());
        m_arrUpToDate.push_back(std::move(entry));
    }
}
