#pragma once

#include "tracker/ChangeTracker.h"
#include "upload/BackgroundTask.h"
#include "upload/UploadOwner.h"

// Sends the tracker's send list to the FTP host on a worker thread,
// reporting to its owner window.
class CUploadTask : public CBackgroundTask {
public:
    explicit CUploadTask(IUploadOwner* pOwner);
    // Stops a running upload and waits for it before the tracker, and with
    // it the state file's last write, goes.
    ~CUploadTask() override;

    std::uint32_t Run() override;

    CChangeTracker m_tracker;
    IUploadOwner* m_pOwner;
};
