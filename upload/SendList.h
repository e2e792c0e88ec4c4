#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "tracker/ChangeTracker.h"
#include "upload/UploadOwner.h"

class CFtpConnection;

// Thrown at a check point when the user asked to stop.
struct UploadCancelled {};

// Sends a tracker's send list over a logged-in connection, file by file in
// chunks, recording each file as soon as the server has it whole. A file
// that is not as the scan saw it, or whose name FTP cannot carry, is left
// out and kept in NotSent(). Internet errors and UploadCancelled end the
// sending.
class CSendList {
public:
    struct NotSent {
        std::string name;
        std::string reason;
    };

    CSendList(CChangeTracker& tracker, IUploadOwner& owner, const std::atomic<std::int32_t>& cancel);

    void SendAll(CFtpConnection& connection);
    const std::vector<NotSent>& NotSentFiles() const { return m_notSent; }

private:
    void SendFile(CFtpConnection& connection, std::size_t i);
    std::string LocalPath(const FileEntry& entry) const;
    void CheckCancel() const;

    CChangeTracker& m_tracker;
    IUploadOwner& m_owner;
    const std::atomic<std::int32_t>& m_cancel;
    std::vector<NotSent> m_notSent;
    std::int64_t m_runCount = 0;
    std::int64_t m_runTotal = 0;
};
