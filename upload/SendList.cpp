#include "upload/SendList.h"

#include <algorithm>
#include <memory>
#include <optional>

#include "framework/files/Archive.h"
#include "framework/files/File.h"
#include "framework/net/FtpConnection.h"
#include "framework/net/InternetErrors.h"
#include "framework/net/InternetException.h"
#include "framework/net/InternetFile.h"
#include "tracker/EntryTime.h"
#include "tracker/FolderSeparator.h"

namespace {

constexpr std::size_t kChunk = 256;
// Local files are read in large blocks and sent in chunks.
constexpr std::size_t kReadBuffer = 64 * 1024;

// The file as the scan saw it, or it is not the file to send.
bool MatchesScan(const FileEntry& entry, const CFile& file)
{
    return static_cast<std::uint32_t>(file.GetLength()) == entry.m_dwSize
        && ToEntryTime(file.GetLastWriteTime()) == entry.m_time;
}

} // namespace

CSendList::CSendList(CChangeTracker& tracker, IUploadOwner& owner, const std::atomic<std::int32_t>& cancel)
    : m_tracker(tracker), m_owner(owner), m_cancel(cancel)
{
}

std::string CSendList::LocalPath(const FileEntry& entry) const
{
    return m_tracker.m_strFolder + GetFolderSeparator(m_tracker.m_strFolder) + entry.m_strName;
}

void CSendList::CheckCancel() const
{
    if (m_cancel)
        throw UploadCancelled();
}

void CSendList::SendAll(CFtpConnection& connection)
{
    // In 64 bits, from the files themselves: the list keeps only the low
    // 32 bits of each size.
    for (const FileEntry& entry : m_tracker.m_arrToSend) {
        std::uint64_t size = entry.m_dwSize;
        std::int64_t time = 0;
        GetFileStatus(LocalPath(entry), size, time);
        m_runTotal += static_cast<std::int64_t>(size);
    }
    for (std::size_t i = 0; i < m_tracker.m_arrToSend.size(); ++i)
        SendFile(connection, i);
}

void CSendList::SendFile(CFtpConnection& connection, std::size_t i)
{
    const FileEntry& entry = m_tracker.m_arrToSend[i];
    const std::string path = LocalPath(entry);
    // An empty file is neither opened nor sent nor recorded; a file of a
    // multiple of 4 GiB, whose recorded size is 0 too, is sent.
    std::uint64_t size = 0;
    std::int64_t time = 0;
    if (entry.m_dwSize == 0 && GetFileStatus(path, size, time) && size == 0)
        return;

    std::optional<CFile> local;
    try {
        local.emplace(CFile::OpenForReading(path));
    } catch (const CFileException&) {
        m_notSent.push_back({entry.m_strName, "it cannot be opened"});
        return;
    }
    if (!MatchesScan(entry, *local)) {
        m_notSent.push_back({entry.m_strName, "it changed after the scan"});
        return;
    }
    const auto fileSize = static_cast<std::int64_t>(local->GetLength());

    m_owner.SetStatusText("Opening " + entry.m_strName);
    std::unique_ptr<CInternetFile> remote;
    try {
        remote = connection.OpenFile(entry.m_strName);
    } catch (const CInternetException& e) {
        if (e.m_dwError != ERROR_INTERNET_INVALID_URL)
            throw;
        m_notSent.push_back({entry.m_strName, "FTP cannot carry its name"});
        return;
    }
    m_owner.SetStatusText("Sending " + entry.m_strName + " ...");

    CArchive reader(*local, CArchive::load, kReadBuffer);
    char chunk[kChunk];
    bool whole = true;
    for (std::int64_t fileCount = 0; fileCount < fileSize && whole;) {
        CheckCancel();
        m_owner.ShowProgress(fileCount, fileSize, m_runCount, m_runTotal);
        const auto n = static_cast<std::size_t>(std::min<std::int64_t>(kChunk, fileSize - fileCount));
        try {
            reader.ReadBytes(chunk, n);
        } catch (const CArchiveException&) {
            whole = false;
            continue;
        } catch (const CFileException&) {
            whole = false;
            continue;
        }
        remote->Write(chunk, n);
        fileCount += static_cast<std::int64_t>(n);
        m_runCount += static_cast<std::int64_t>(n);
    }
    // A file that changed while it was read is not the file of the scan,
    // whatever reached the server.
    whole = whole && MatchesScan(entry, *local);
    remote->Close();
    if (!whole) {
        m_notSent.push_back({entry.m_strName, "it changed while it was sent"});
        return;
    }
    m_owner.SetStatusText(entry.m_strName + " sent");
    m_tracker.AcceptEntry(i);
    CheckCancel();
}
