#include "framework/gui/UiCallQueue.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QThread>
#include <condition_variable>
#include <deque>
#include <mutex>

namespace {

// Tells the receiver that calls are waiting. The calls themselves stay in
// the queue, under its own lock, never in Qt's events.
const QEvent::Type kCallsWaiting = static_cast<QEvent::Type>(QEvent::registerEventType());

} // namespace

struct CUiCallQueue::State {
    struct Item {
        std::function<void()> call;
        bool latest; // posted by PostLatest: a newer one may replace it
    };

    std::mutex mutex;
    std::condition_variable ran;
    bool closed = false;
    std::deque<Item> items;
    bool drainPosted = false;
    QObject* receiver = nullptr; // lives on the user-interface thread

    // With the lock held: queues the item and makes sure the receiver
    // will look.
    void Push(Item item)
    {
        items.push_back(std::move(item));
        if (!drainPosted) {
            drainPosted = true;
            QCoreApplication::postEvent(receiver, new QEvent(kCallsWaiting));
        }
    }

    // On the user-interface thread: runs the waiting calls in order, one
    // at a time, so that a call that opens a modal window keeps the later
    // ones behind it.
    void Drain()
    {
        for (;;) {
            std::function<void()> call;
            {
                std::lock_guard lock(mutex);
                if (closed || items.empty()) {
                    drainPosted = false;
                    return;
                }
                call = std::move(items.front().call);
                items.pop_front();
            }
            call();
        }
    }
};

namespace {

class Receiver : public QObject {
public:
    explicit Receiver(CUiCallQueue::State& state) : m_state(state) {}

    bool event(QEvent* event) override
    {
        bool callsWaiting = false;
        {
            // The event was made under the lock, on the posting thread.
            std::lock_guard lock(m_state.mutex);
            callsWaiting = event->type() == kCallsWaiting;
        }
        if (!callsWaiting)
            return QObject::event(event);
        m_state.Drain();
        return true;
    }

private:
    CUiCallQueue::State& m_state;
};

} // namespace

CUiCallQueue::CUiCallQueue() : m_state(std::make_shared<State>())
{
    m_state->receiver = new Receiver(*m_state);
    m_state->receiver->moveToThread(QCoreApplication::instance()->thread());
}

CUiCallQueue::~CUiCallQueue()
{
    Close();
    // Its pending event goes with it.
    delete m_state->receiver;
}

void CUiCallQueue::Post(std::function<void()> call)
{
    std::lock_guard lock(m_state->mutex);
    if (!m_state->closed)
        m_state->Push({std::move(call), false});
}

void CUiCallQueue::PostLatest(std::function<void()> call)
{
    std::lock_guard lock(m_state->mutex);
    if (m_state->closed)
        return;
    if (!m_state->items.empty() && m_state->items.back().latest)
        m_state->items.back().call = std::move(call);
    else
        m_state->Push({std::move(call), true});
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
    std::unique_lock lock(m_state->mutex);
    if (m_state->closed)
        return false;
    m_state->Push({[state = m_state.get(), done, call = std::move(call)] {
                       call();
                       std::lock_guard lock(state->mutex);
                       *done = true;
                       state->ran.notify_all();
                   },
                   false});
    m_state->ran.wait(lock, [&] { return *done || m_state->closed; });
    return *done;
}

void CUiCallQueue::Close()
{
    std::lock_guard lock(m_state->mutex);
    m_state->closed = true;
    m_state->items.clear();
    m_state->ran.notify_all();
}
