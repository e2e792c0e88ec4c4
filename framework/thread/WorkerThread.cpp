#include "framework/thread/WorkerThread.h"

#include <chrono>
#include <system_error>

CWorkerThread::~CWorkerThread()
{
    Join();
}

bool CWorkerThread::Begin(AFX_THREADPROC proc, void* param)
{
    Join();
    try {
        m_thread = std::thread(proc, param);
    } catch (const std::system_error&) {
        return false;
    }
    return true;
}

void CWorkerThread::Join()
{
    if (m_thread.joinable() && !IsCurrent())
        m_thread.join();
}

void Sleep(std::uint32_t milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}
