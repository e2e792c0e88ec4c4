#include <QCoreApplication>
#include <QTest>
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "framework/gui/UiCallQueue.h"

namespace {

// Calls made on a worker, carried out here.
TEST(UiCallQueueTest, CallsRunInOrderAndQuickReportsCollapseToTheLatest)
{
    CUiCallQueue queue;
    std::vector<std::string> seen; // written on this thread only
    std::thread worker([&] {
        queue.Post([&] { seen.push_back("status 1"); });
        for (int i = 0; i < 1000; ++i)
            queue.PostLatest([&, i] { seen.push_back("report " + std::to_string(i)); });
        queue.Post([&] { seen.push_back("status 2"); });
        queue.PostLatest([&] { seen.push_back("report last"); });
    });
    worker.join();
    QCoreApplication::processEvents();
    // The reports between the two statuses collapse into their latest one,
    // which keeps its place.
    EXPECT_EQ(seen, (std::vector<std::string>{"status 1", "report 999", "status 2", "report last"}));
}

TEST(UiCallQueueTest, ACallWaitsUntilItHasRun)
{
    CUiCallQueue queue;
    std::atomic<bool> ran{false};
    std::atomic<bool> returned{false};
    bool result = false;
    std::thread worker([&] {
        result = queue.Call([&] { ran = true; });
        returned = true;
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return returned.load(); }, 10000));
    worker.join();
    EXPECT_TRUE(ran);
    EXPECT_TRUE(result);
}

TEST(UiCallQueueTest, ClosingLetsAWaitingWorkerGoAndDropsWhatIsQueued)
{
    CUiCallQueue queue;
    std::atomic<int> ran{0};
    queue.Post([&] { ++ran; });
    std::atomic<bool> waiting{false};
    bool result = true;
    std::thread worker([&] {
        waiting = true;
        result = queue.Call([&] { ++ran; });
    });
    while (!waiting)
        std::this_thread::yield();
    // The user-interface thread closes the queue without serving it, as a
    // window does that goes while its worker waits.
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    queue.Close();
    worker.join();
    EXPECT_FALSE(result);
    queue.Post([&] { ++ran; });
    queue.PostLatest([&] { ++ran; });
    EXPECT_FALSE(queue.Call([&] { ++ran; }));
    QCoreApplication::processEvents();
    EXPECT_EQ(ran, 0);
}

} // namespace
