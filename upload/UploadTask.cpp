#include "upload/UploadTask.h"

#include <algorithm>
#include <memory>

#include "framework/files/Archive.h"
#include "framework/files/File.h"
#include "framework/net/FtpConnection.h"
#include "framework/net/InternetErrors.h"
#include "framework/net/InternetException.h"
#include "framework/net/InternetFile.h"
#include "framework/net/InternetSession.h"
#include "tracker/EntryTime.h"
#include "tracker/FolderSeparator.h"

namespace {

constexpr std::size_t kChunk = 256;
// Local files are read in large blocks and sent in chunks.
constexpr std::size_t kReadBuffer = 64 * 1024;

// Thrown at a check point when the user asked to stop.
struct Cancelled {};

// A file of the send list that the run left alone, and why.
struct NotSent {
    std::string name;
    std::string reason;
};

std::string LocalPath(const CChangeTracker& tracker, const FileEntry& entry)
{
    return tracker.m_strFolder + GetFolderSeparator(tracker.m_strFolder) + entry.m_strName;
}

// The file as the scan saw it, or it is not the file to send.
bool MatchesScan(const FileEntry& entry, std::uint64_t size, std::int64_t lastWriteTime)
{
    return static_cast<std::uint32_t>(size) == entry.m_dwSize && ToEntryTime(lastWriteTime) == entry.m_time;
}

std::string NotSentMessage(const std::vector<NotSent>& notSent)
{
    std::string text = "These files were not sent:";
    for (const NotSent& file : notSent)
        text += "\n" + file.name + ": " + file.reason;
    return text;
}

} // namespace

CUploadTask::CUploadTask(IUploadOwner* pOwner) : m_pOwner(pOwner) {}

CUploadTask::~CUploadTask()
{
    Stop(true);
    WaitUntilIdle();
}

// Sends the send list file by file, recording each as soon as the server
// has it whole. Reports through the owner, and ends with its completion
// call whatever happens.
std::uint32_t CUploadTask::Run()
{
    CInternetSession session("Tolvark");
    const FileEntryArray& toSend = m_tracker.m_arrToSend;
    if (toSend.empty()) {
        m_pOwner->OnUploadFinished();
        return 0;
    }

    const UploadLogin login = m_pOwner->GetLogin();
    std::unique_ptr<CFtpConnection> connection;
    std::unique_ptr<CInternetFile> remote;
    std::vector<NotSent> notSent;
    m_pOwner->SetStatusText("Connecting to " + login.host);
    try {
        connection = session.GetFtpConnection(login.host, login.user, login.password);
        m_pOwner->SetStatusText("Connected");

        // In 64 bits, from the files themselves: the list keeps only the
        // low 32 bits of each size.
        std::int64_t runTotal = 0;
        for (const FileEntry& entry : toSend) {
            std::uint64_t size = entry.m_dwSize;
            std::int64_t time = 0;
            GetFileStatus(LocalPath(m_tracker, entry), size, time);
            runTotal += static_cast<std::int64_t>(size);
        }
        std::int64_t runCount = 0;

        for (std::size_t i = 0; i < toSend.size(); ++i) {
            const FileEntry& entry = toSend[i];
            const std::string path = LocalPath(m_tracker, entry);
            std::uint64_t statSize = 0;
            std::int64_t statTime = 0;
            // An empty file is neither opened nor sent nor recorded.
            if (entry.m_dwSize == 0 && GetFileStatus(path, statSize, statTime) && statSize == 0)
                continue;

            std::optional<CFile> local;
            try {
                local.emplace(CFile::OpenForReading(path));
            } catch (const CFileException&) {
                notSent.push_back({entry.m_strName, "it cannot be opened"});
                continue;
            }
            const std::uint64_t size = local->GetLength();
            if (!MatchesScan(entry, size, local->GetLastWriteTime())) {
                notSent.push_back({entry.m_strName, "it changed after the scan"});
                continue;
            }
            const auto fileSize = static_cast<std::int64_t>(size);

            m_pOwner->SetStatusText("Opening " + entry.m_strName);
            try {
                remote = connection->OpenFile(entry.m_strName);
            } catch (const CInternetException& e) {
                if (e.m_dwError != ERROR_INTERNET_INVALID_URL)
                    throw;
                notSent.push_back({entry.m_strName, "FTP cannot carry its name"});
                continue;
            }
            m_pOwner->SetStatusText("Sending " + entry.m_strName + " ...");

            CArchive reader(*local, CArchive::load, kReadBuffer);
            char chunk[kChunk];
            std::int64_t fileCount = 0;
            bool whole = true;
            while (fileCount < fileSize) {
                if (m_bCancel)
                    throw Cancelled();
                m_pOwner->ShowProgress(fileCount, fileSize, runCount, runTotal);
                const auto n = static_cast<std::size_t>(std::min<std::int64_t>(kChunk, fileSize - fileCount));
                try {
                    reader.ReadBytes(chunk, n);
                } catch (const CArchiveException&) {
                    whole = false;
                    break;
                } catch (const CFileException&) {
                    whole = false;
                    break;
                }
                remote->Write(chunk, n);
                fileCount += static_cast<std::int64_t>(n);
                runCount += static_cast<std::int64_t>(n);
            }
            // A file that changed while it was read is not the file of the
            // scan, whatever reached the server.
            whole = whole && MatchesScan(entry, local->GetLength(), local->GetLastWriteTime());
            remote->Close();
            remote.reset();
            if (!whole) {
                notSent.push_back({entry.m_strName, "it changed while it was sent"});
                continue;
            }
            m_pOwner->SetStatusText(entry.m_strName + " sent");
            m_tracker.AcceptEntry(i);
            if (m_bCancel)
                throw Cancelled();
        }
        m_pOwner->SetStatusText("Done");
    } catch (const CInternetException& e) {
        const std::string text = e.m_dwError == ERROR_FTP_DROPPED ? "FTP connection lost" : "Can't connect to host";
        m_pOwner->SetStatusText(text);
        m_pOwner->ShowMessage("Connection error: " + text);
    } catch (const Cancelled&) {
        m_pOwner->SetStatusText("Operation cancelled");
    } catch (const std::exception& e) {
        const std::string text = std::string("Sending failed: ") + e.what();
        m_pOwner->SetStatusText(text);
        m_pOwner->ShowMessage(text);
    }

    if (!notSent.empty())
        m_pOwner->ShowMessage(NotSentMessage(notSent));

    remote.reset();
    if (connection) {
        connection->Close();
        connection.reset();
    }
    m_pOwner->OnUploadFinished();
    session.Close();
    return 0;
}
