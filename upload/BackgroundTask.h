#pragma once

#include <atomic>
#include <cstdint>

#include "framework/thread/WorkerThread.h"

// Work that runs on a worker thread of its own while the user-interface
// thread goes on. The worker is asked to end through the cancel flag, which
// the work looks at now and then, and waited for by polling the running
// flag.
class CBackgroundTask {
public:
    CBackgroundTask() = default;
    // Stops a running worker and waits for it.
    virtual ~CBackgroundTask();
    CBackgroundTask(const CBackgroundTask&) = delete;
    CBackgroundTask& operator=(const CBackgroundTask&) = delete;

    // Asks the running work to end; with bWait, returns once it has.
    virtual void Stop(bool bWait);
    // Starts the work on a new worker, unless one is already under way
    // (also one that has not yet begun). True when this call started one.
    virtual bool Start();
    virtual std::uint32_t Run() = 0;

    // True from Start until the worker has left the task for good.
    bool IsBusy() const { return m_bBusy.load(); }
    // Waits until the worker has left the task for good.
    void WaitUntilIdle();

    std::atomic<std::int32_t> m_bCancel{0};
    std::atomic<std::int32_t> m_bRunning{0}; // while the worker executes Run

private:
    static std::uint32_t ThreadProc(void* pParam);

    std::atomic<bool> m_bBusy{false};
    CWorkerThread m_thread;
};
