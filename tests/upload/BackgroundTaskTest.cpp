#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>

#include "tests/support/FtpServer.h"
#include "tests/support/TestFiles.h"
#include "tests/upload/RecordingOwner.h"
#include "upload/BackgroundTask.h"
#include "upload/UploadTask.h"

namespace {

using namespace std::chrono;

// Work that runs until asked to stop, counting its runs.
class LoopTask : public CBackgroundTask {
public:
    ~LoopTask() override { Stop(true); }
    std::uint32_t Run() override
    {
        ++runs;
        started = true;
        while (!m_bCancel)
            std::this_thread::sleep_for(milliseconds(1));
        return 0;
    }
    std::atomic<int> runs{0};
    std::atomic<bool> started{false};
};

void WaitFor(const std::atomic<bool>& flag)
{
    while (!flag)
        std::this_thread::sleep_for(milliseconds(1));
}

TEST(BackgroundTaskTest, StartWhileBusyMakesNoSecondWorker)
{
    LoopTask task;
    EXPECT_TRUE(task.Start());
    // Before the worker's first step as well as after it.
    EXPECT_FALSE(task.Start());
    WaitFor(task.started);
    EXPECT_FALSE(task.Start());
    EXPECT_EQ(task.m_bCancel, 0);
    task.Stop(true);
    EXPECT_EQ(task.runs, 1);
}

TEST(BackgroundTaskTest, WaitingStopReturnsOnlyAfterRunAndAfterOneSleep)
{
    LoopTask task;
    ASSERT_TRUE(task.Start());
    WaitFor(task.started);
    const auto start = steady_clock::now();
    task.Stop(true);
    EXPECT_GE(steady_clock::now() - start, milliseconds(50));
    EXPECT_EQ(task.m_bRunning, 0);
    EXPECT_FALSE(task.IsBusy());
    EXPECT_EQ(task.m_bCancel, 0);
}

TEST(BackgroundTaskTest, StopOnAnIdleTaskChangesNothing)
{
    LoopTask task;
    task.Stop(false);
    EXPECT_EQ(task.m_bCancel, 0);
    // A run after it starts with the flag clear, and after one more stop
    // the next run does too.
    ASSERT_TRUE(task.Start());
    WaitFor(task.started);
    EXPECT_EQ(task.m_bCancel, 0);
    task.Stop(true);
    task.started = false;
    ASSERT_TRUE(task.Start());
    WaitFor(task.started);
    EXPECT_EQ(task.m_bCancel, 0);
    task.Stop(true);
    EXPECT_EQ(task.runs, 2);
}

TEST(BackgroundTaskTest, DestroyingARunningUploadStopsItAndThenWritesTheState)
{
    UseFreshStateFolder();
    const std::string site = MakeTempFolder();
    for (int i = 0; i < 20; ++i)
        WriteFile(site + "/f" + std::to_string(i) + ".bin", std::string(2000, 'x'));
    FtpServer server;
    RecordingOwner owner;
    owner.login = {server.HostField(), server.User(), server.Password()};
    std::atomic<bool> secondSent{false};
    int sent = 0; // counted on the worker
    owner.onStatus = [&](const std::string& text) {
        if (text.find(" sent") != std::string::npos && ++sent == 2)
            secondSent = true;
    };
    std::size_t recorded = 0;
    {
        CUploadTask task(&owner);
        task.m_tracker.SetFolderAndRescan(site);
        ASSERT_TRUE(task.Start());
        WaitFor(secondSent);
        // The task goes while its worker runs.
    }
    EXPECT_EQ(owner.Finished(), 1);
    EXPECT_EQ(owner.Status().back(), "Operation cancelled");
    for (const std::string& text : owner.Status())
        recorded += text.find(" sent") != std::string::npos;
    CChangeTracker reloaded;
    EXPECT_GE(recorded, 2u);
    EXPECT_EQ(reloaded.m_arrUpToDate.size(), recorded);
    EXPECT_EQ(reloaded.m_arrToSend.size(), 20 - recorded);
}

} // namespace
