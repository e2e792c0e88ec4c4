#pragma once

#include <cstdint>
#include <thread>

// The entry function of a worker: takes its parameter, returns its exit code.
using AFX_THREADPROC = std::uint32_t (*)(void* param);

// One worker thread at a time. The object can wait for the thread it
// started, so that whoever owns what the worker uses can outlive it.
class CWorkerThread {
public:
    CWorkerThread() = default;
    ~CWorkerThread();
    CWorkerThread(const CWorkerThread&) = delete;
    CWorkerThread& operator=(const CWorkerThread&) = delete;

    // Starts proc(param) at once; false when no thread could be made.
    // Waits first for a worker that this object started before.
    bool Begin(AFX_THREADPROC proc, void* param);
    // Returns once the worker, if any, has ended.
    void Join();
    bool IsCurrent() const { return std::this_thread::get_id() == m_thread.get_id(); }

private:
    std::thread m_thread;
};

void Sleep(std::uint32_t milliseconds);
