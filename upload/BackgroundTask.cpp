#include "upload/BackgroundTask.h"

CBackgroundTask::~CBackgroundTask()
{
    Stop(true);
    WaitUntilIdle();
}

// A worker that has been started but not yet begun counts as running
// here: it finds the request when it looks at the flag for the first time.
void CBackgroundTask::Stop(bool bWait)
{
    if (!m_bBusy)
        return;
    m_bCancel = 1;
    if (!bWait)
        return;
    do
        Sleep(50);
    while (m_bBusy);
}

bool CBackgroundTask::Start()
{
    // Busy from here, not from the worker's first step, so that a second
    // Start before the worker has begun starts no second worker.
    if (m_bBusy.exchange(true))
        return false;
    // A request to stop that came after the last run looked for it.
    m_bCancel = 0;
    if (!m_thread.Begin(&CBackgroundTask::ThreadProc, this)) {
        m_bBusy = false;
        return false;
    }
    return true;
}

void CBackgroundTask::WaitUntilIdle()
{
    m_thread.Join();
}

std::uint32_t CBackgroundTask::ThreadProc(void* pParam)
{
    auto* task = static_cast<CBackgroundTask*>(pParam);
    task->m_bRunning = 1;
    const std::uint32_t result = task->Run();
    task->m_bRunning = 0;
    task->m_bCancel = 0;
    task->m_bBusy = false;
    return result;
}
