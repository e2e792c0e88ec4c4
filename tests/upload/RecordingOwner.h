#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "upload/UploadOwner.h"

// Stands in for the window: keeps what the run reports, lets a test act at
// a given report, and tells when the run has finished.
class RecordingOwner : public IUploadOwner {
public:
    struct Progress {
        std::int64_t fileDone, fileSize, runDone, runTotal;
        bool operator==(const Progress&) const = default;
    };

    UploadLogin login;
    bool keepProgress = true;
    std::function<void(const std::string&)> onStatus;   // called on the worker
    std::function<void(const Progress&)> onProgress;    // called on the worker

    UploadLogin GetLogin() const override { return login; }

    void SetStatusText(const std::string& text) override
    {
        {
            std::lock_guard lock(m_mutex);
            m_status.push_back(text);
        }
        if (onStatus)
            onStatus(text);
    }

    void ShowProgress(std::int64_t fileDone, std::int64_t fileSize, std::int64_t runDone,
                      std::int64_t runTotal) override
    {
        const Progress p{fileDone, fileSize, runDone, runTotal};
        if (keepProgress) {
            std::lock_guard lock(m_mutex);
            m_progress.push_back(p);
        }
        if (onProgress)
            onProgress(p);
    }

    void ShowMessage(const std::string& text) override
    {
        std::lock_guard lock(m_mutex);
        m_messages.push_back(text);
    }

    void OnUploadFinished() override
    {
        std::lock_guard lock(m_mutex);
        ++m_finished;
        m_done.notify_all();
    }

    // Waits until the run has called its completion.
    bool WaitFinished(int runs = 1)
    {
        std::unique_lock lock(m_mutex);
        return m_done.wait_for(lock, std::chrono::seconds(60), [&] { return m_finished >= runs; });
    }

    std::vector<std::string> Status() const { return Copy(m_status); }
    std::vector<Progress> ProgressReports() const { return Copy(m_progress); }
    std::vector<std::string> Messages() const { return Copy(m_messages); }
    int Finished() const
    {
        std::lock_guard lock(m_mutex);
        return m_finished;
    }

private:
    template <class T>
    std::vector<T> Copy(const std::vector<T>& from) const
    {
        std::lock_guard lock(m_mutex);
        return from;
    }

    mutable std::mutex m_mutex;
    std::condition_variable m_done;
    std::vector<std::string> m_status;
    std::vector<Progress> m_progress;
    std::vector<std::string> m_messages;
    int m_finished = 0;
};
