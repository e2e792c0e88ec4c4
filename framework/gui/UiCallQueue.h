#pragma once

#include <functional>
#include <memory>

// Carries calls from a worker thread to the user-interface thread, where
// they run in the order they were made. Made and closed on the
// user-interface thread; once closed, calls are dropped, and a worker that
// waits for one is let go, so that a user-interface thread that waits for
// the worker never waits for ever.
class CUiCallQueue {
public:
    CUiCallQueue();
    ~CUiCallQueue();
    CUiCallQueue(const CUiCallQueue&) = delete;
    CUiCallQueue& operator=(const CUiCallQueue&) = delete;

    void Post(std::function<void()> call);
    // Like Post, but while the last call posted has not yet run and was
    // posted this way too, it is replaced instead: of a quick run of
    // reports the screen shows the latest, and never out of order.
    void PostLatest(std::function<void()> call);
    // Runs the call on the user-interface thread and returns when it has
    // run: true, or false when the queue was closed first.
    bool Call(std::function<void()> call);
    void Close();

    struct State;

private:
    std::shared_ptr<State> m_state;
};
