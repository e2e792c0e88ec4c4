#include "framework/gui/UiCallQueue.h"

#include <QCoreApplication>
#include <QObject>
#include <QThread>
#include <condition_variable>
#include <mutex>

struct CUiCallQueue::State {
    std::mutex mutex;
    std::condition_variable ran;
    bool closed = false;
    // The last call posted by PostLatest, while it has not yet run.
    std::shared_ptr<std::function<void()>> latest;
    QObject* receiver = nullptr; // lives on the user-interface thread
};

namespace {

// Queues fn for the receiver's thread.
void Enqueue(QObject* receiver, std::function<void()> fn)
{
    QMetaObject::invokeMethod(receiver, std::move(fn), Qt::QueuedConnection);
}

} // namespace

CUiCallQueue::CUiCallQueue() : m_state(std::make_shared<State>())
{
    m_state->receiver = new QObject;
    m_state->receiver->moveToThread(QCoreApplication::instance()->thread());
}

CUiCallQueue::~CUiCallQueue()
{
    Close();
    // Calls still queued for the receiver go with it.
    delete m_state->receiver;
}

void CUiCallQueue::Post(std::function<void()> call)
{
    std::lock_guard lock(m_state->mutex);
    if (m_state->closed)
        return;
    m_state->latest.reset();
    Enqueue(m_state->receiver, [state = m_state, call = std::move(call)] {
        {
            std::lock_guard lock(state->mutex);
            if (state->closed)
                return;
        }
        call();
    });
}

void CUiCallQueue::PostLatest(std::function<void()> call)
{
    std::lock_guard lock(m_state->mutex);
    if (m_state->closed)
        return;
    if (m_state->latest) {
        *m_state->latest = std::move(call);
        return;
    }
    auto slot = std::make_shared<std::function<void()>>(std::move(call));
    m_state->latest = slot;
    Enqueue(m_state->receiver, [state = m_state, slot] {
        std::function<void()> latest;
        {
            std::lock_guard lock(state->mutex);
            if (state->closed)
                return;
            if (state->latest == slot)
                state->latest.reset();
            latest = std::move(*slot);
        }
        latest();
    });
}

bool CUiCallQueue::Call(std::function<void()> call)
{
    if (QThread::currentThread() == m_state->receiver->thread()) {
        {
            std::lock_guard lock(m_state->mutex);
            if (m_state->closed)
                return false;
        }
        call();
        return true;
    }
    auto done = std::make_shared<bool>(false);
    {
        std::lock_guard lock(m_state->mutex);
        if (m_state->closed)
            return false;
        m_state->latest.reset();
        Enqueue(m_state->receiver, [state = m_state, done, call = std::move(call)] {
            {
                std::lock_guard lock(state->mutex);
                if (state->closed)
                    return;
            }
            call();
            std::lock_guard lock(state->mutex);
            *done = true;
            state->ran.notify_all();
        });
    }
    std::unique_lock lock(m_state->mutex);
    m_state->ran.wait(lock, [&] { return *done || m_state->closed; });
    return *done;
}

void CUiCallQueue::Close()
{
    std::lock_guard lock(m_state->mutex);
    m_state->closed = true;
    m_state->latest.reset();
    m_state->ran.notify_all();
}
