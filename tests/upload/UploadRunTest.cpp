#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>
#include <random>

#include "tests/support/FtpServer.h"
#include "tests/support/EntryNames.h"
#include "tests/support/TestFiles.h"
#include "tests/upload/RecordingOwner.h"
#include "upload/UploadTask.h"

namespace {

using Progress = RecordingOwner::Progress;

class UploadRunTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        UseFreshStateFolder();
        m_site = MakeTempFolder();
    }

    // Files named in listing order are hard to predict: each test names
    // its files so that order does not matter, or sorts.
    void Put(const std::string& name, const std::string& content)
    {
        WriteFile(m_site + "/" + name, content);
        SetFileTime(m_site + "/" + name, 1700000000);
    }

    // Runs one upload of the page folder to the server and waits for it.
    void Send(CUploadTask& task, FtpServer& server)
    {
        m_owner.login = {server.HostField(), server.User(), server.Password()};
        Send(task);
    }

    void Send(CUploadTask& task)
    {
        task.m_tracker.SetFolderAndRescan(m_site);
        ASSERT_TRUE(task.Start());
        ASSERT_TRUE(m_owner.WaitFinished(++m_runs));
        task.WaitUntilIdle();
        EXPECT_EQ(task.m_bRunning, 0);
        EXPECT_EQ(task.m_bCancel, 0);
    }

    std::string OnServer(FtpServer& server, const std::string& name) const
    {
        return ReadFile(server.Root() + "/" + name);
    }

    std::string m_site;
    RecordingOwner m_owner;
    int m_runs = 0;
};

TEST_F(UploadRunTest, SendsEveryFileByteForByteAndRecordsIt)
{
    FtpServer server;
    const std::string big = RandomBytes(300000, 1);
    Put("big.bin", big);
    Put("page one.htm", "<html>one</html>");
    Put("empty.htm", "");
    CUploadTask task(&m_owner);
    Send(task, server);

    EXPECT_EQ(OnServer(server, "big.bin"), big);
    EXPECT_EQ(OnServer(server, "page one.htm"), "<html>one</html>");
    // An empty file is neither sent nor recorded.
    EXPECT_FALSE(std::filesystem::exists(server.Root() + "/empty.htm"));
    EXPECT_EQ(server.Logins(), 1);

    const std::vector<std::string> status = m_owner.Status();
    EXPECT_EQ(status.front(), "Connecting to " + server.HostField());
    EXPECT_EQ(status[1], "Connected");
    EXPECT_EQ(status.back(), "Done");
    EXPECT_TRUE(m_owner.Messages().empty());

    task.m_tracker.Rescan();
    EXPECT_EQ(SortedNames(task.m_tracker.m_arrToSend), (std::vector<std::string>{"empty.htm"}));
    CChangeTracker reloaded;
    EXPECT_EQ(reloaded.m_arrUpToDate.size(), 2u);
}

TEST_F(UploadRunTest, ReportsBeforeEveryChunkAndNeverTheWholeFile)
{
    struct Case {
        std::size_t size;
        std::vector<Progress> reports;
    };
    const std::vector<Case> cases = {
        {256, {{0, 256, 0, 256}}},
        {257, {{0, 257, 0, 257}, {256, 257, 256, 257}}},
        {1, {{0, 1, 0, 1}}},
    };
    FtpServer server;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.size);
        Put("f.bin", RandomBytes(c.size, 2));
        RecordingOwner owner;
        owner.login = {server.HostField(), server.User(), server.Password()};
        CUploadTask task(&owner);
        task.m_tracker.SetFolderAndRescan(m_site);
        ASSERT_TRUE(task.Start());
        ASSERT_TRUE(owner.WaitFinished());
        task.WaitUntilIdle();
        EXPECT_EQ(owner.ProgressReports(), c.reports);
        EXPECT_EQ(owner.Status(), (std::vector<std::string>{"Connecting to " + server.HostField(), "Connected",
                                                              "Opening f.bin", "Sending f.bin ...", "f.bin sent",
                                                              "Done"}));
        EXPECT_EQ(OnServer(server, "f.bin"), RandomBytes(c.size, 2));
        UseFreshStateFolder();
    }
}

TEST_F(UploadRunTest, EmptySendListMakesNoConnection)
{
    FtpServer server;
    CUploadTask task(&m_owner);
    Send(task, server);
    EXPECT_EQ(server.Connections(), 0);
    EXPECT_TRUE(m_owner.Status().empty());
    EXPECT_EQ(m_owner.Finished(), 1);
}

TEST_F(UploadRunTest, EmptyFilesOnlyLogInAndSendNothing)
{
    FtpServer server;
    Put("a.htm", "");
    Put("b.htm", "");
    CUploadTask task(&m_owner);
    Send(task, server);
    EXPECT_EQ(m_owner.Status(),
              (std::vector<std::string>{"Connecting to " + server.HostField(), "Connected", "Done"}));
    EXPECT_TRUE(m_owner.ProgressReports().empty());
    EXPECT_EQ(task.m_tracker.m_arrUpToDate.size(), 0u);
    EXPECT_EQ(server.Logins(), 1);
}

TEST_F(UploadRunTest, CancelWhileConnectingStopsBeforeTheFirstChunk)
{
    FtpServer server;
    Put("a.htm", "some bytes");
    CUploadTask task(&m_owner);
    m_owner.onStatus = [&](const std::string& text) {
        if (text.rfind("Connecting", 0) == 0)
            task.Stop(false);
    };
    Send(task, server);
    EXPECT_EQ(m_owner.Status().back(), "Operation cancelled");
    EXPECT_TRUE(m_owner.ProgressReports().empty());
    // Opened on the server, and closed with nothing in it.
    EXPECT_EQ(OnServer(server, "a.htm"), "");
    EXPECT_TRUE(task.m_tracker.m_arrUpToDate.empty());
    EXPECT_TRUE(m_owner.Messages().empty());
}

TEST_F(UploadRunTest, CancelDuringTheLastChunkLetsThatFileFinish)
{
    FtpServer server;
    Put("a.bin", RandomBytes(600, 3));
    Put("b.bin", RandomBytes(600, 4));
    CUploadTask task(&m_owner);
    std::string first;
    m_owner.onProgress = [&](const Progress& p) {
        if (p.fileDone + 256 >= p.fileSize && p.runDone < p.fileSize)
            task.Stop(false);
    };
    Send(task, server);
    const std::vector<std::string> status = m_owner.Status();
    ASSERT_GE(status.size(), 2u);
    EXPECT_EQ(status.back(), "Operation cancelled");
    const std::string sent = status[status.size() - 2];
    ASSERT_TRUE(sent == "a.bin sent" || sent == "b.bin sent") << sent;
    const std::string name = sent.substr(0, 5);
    EXPECT_EQ(OnServer(server, name), RandomBytes(600, name == "a.bin" ? 3 : 4));
    EXPECT_EQ(SortedNames(task.m_tracker.m_arrUpToDate), (std::vector<std::string>{name}));
    EXPECT_FALSE(std::filesystem::exists(server.Root() + "/" + (name == "a.bin" ? "b.bin" : "a.bin")));
}

TEST_F(UploadRunTest, LoginFailuresAreReportedAsConnectionErrors)
{
    FtpServer server;
    Put("a.htm", "x");
    struct Case {
        const char* what;
        UploadLogin login;
    };
    const std::vector<Case> cases = {
        {"wrong password", {server.HostField(), server.User(), "wrong"}},
        {"a port that refuses", {"127.0.0.1:1", server.User(), server.Password()}},
        {"a host field that is no host", {"ftp://x/", server.User(), server.Password()}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RecordingOwner owner;
        owner.login = c.login;
        CUploadTask task(&owner);
        task.m_tracker.SetFolderAndRescan(m_site);
        ASSERT_TRUE(task.Start());
        ASSERT_TRUE(owner.WaitFinished());
        EXPECT_EQ(owner.Status().back(), "Can't connect to host");
        EXPECT_EQ(owner.Messages(), (std::vector<std::string>{"Connection error: Can't connect to host"}));
        EXPECT_TRUE(task.m_tracker.m_arrUpToDate.empty());
    }
}

TEST_F(UploadRunTest, ADroppedConnectionKeepsWhatWasSentBefore)
{
    // Sent in name order only by chance of the listing: find the second.
    Put("1.bin", RandomBytes(5000, 5));
    Put("2.bin", RandomBytes(5000, 6));
    Put("3.bin", RandomBytes(5000, 7));
    std::string second;
    {
        CChangeTracker probe;
        probe.SetFolderAndRescan(m_site);
        second = probe.m_arrToSend.at(1).m_strName;
        probe.m_strFolder.clear();
    }
    UseFreshStateFolder();
    FtpServer server({.file = second, .dropAfterBytes = 2000});
    {
        CUploadTask task(&m_owner);
        Send(task, server);
        EXPECT_EQ(m_owner.Status().back(), "FTP connection lost");
        EXPECT_EQ(m_owner.Messages(), (std::vector<std::string>{"Connection error: FTP connection lost"}));
        EXPECT_EQ(task.m_tracker.m_arrUpToDate.size(), 1u);
        task.m_tracker.Rescan();
        EXPECT_EQ(task.m_tracker.m_arrToSend.size(), 2u);
    }
    CChangeTracker reloaded;
    ASSERT_EQ(reloaded.m_arrUpToDate.size(), 1u);
    EXPECT_NE(reloaded.m_arrUpToDate[0].m_strName, second);
    EXPECT_EQ(SortedNames(reloaded.m_arrToSend).size(), 2u);
}

TEST_F(UploadRunTest, AServerThatRefusesTheFileAtItsEndDoesNotGetItRecorded)
{
    Put("full.htm", "no room");
    FtpServer server({.file = "full.htm", .finalReply = "452 Insufficient storage space."});
    CUploadTask task(&m_owner);
    Send(task, server);
    EXPECT_EQ(m_owner.Status().back(), "Can't connect to host");
    EXPECT_EQ(m_owner.Messages(), (std::vector<std::string>{"Connection error: Can't connect to host"}));
    EXPECT_TRUE(task.m_tracker.m_arrUpToDate.empty());
}

TEST_F(UploadRunTest, FilesThatAreNotAsScannedAreReportedAndSkipped)
{
    FtpServer server;
    Put("gone.htm", "x");
    Put("changed.htm", "before");
    Put("line\nbreak.htm", "x");
    Put("fine.htm", "fine");
    CUploadTask task(&m_owner);
    task.m_tracker.SetFolderAndRescan(m_site);
    std::filesystem::remove(m_site + "/gone.htm");
    Put("changed.htm", "after, longer");
    m_owner.login = {server.HostField(), server.User(), server.Password()};
    ASSERT_TRUE(task.Start());
    ASSERT_TRUE(m_owner.WaitFinished());
    task.WaitUntilIdle();

    EXPECT_EQ(OnServer(server, "fine.htm"), "fine");
    EXPECT_FALSE(std::filesystem::exists(server.Root() + "/changed.htm"));
    EXPECT_EQ(SortedNames(task.m_tracker.m_arrUpToDate), (std::vector<std::string>{"fine.htm"}));
    EXPECT_EQ(m_owner.Status().back(), "Done");
    const std::vector<std::string> messages = m_owner.Messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("gone.htm: it cannot be opened"), std::string::npos);
    EXPECT_NE(messages[0].find("changed.htm: it changed after the scan"), std::string::npos);
    EXPECT_NE(messages[0].find("line\nbreak.htm: FTP cannot carry its name"), std::string::npos);
    for (const std::string& command : server.Commands())
        EXPECT_EQ(command.find("break"), std::string::npos) << command;
}

TEST_F(UploadRunTest, AFileCutShortWhileItIsSentIsNotRecorded)
{
    FtpServer server;
    Put("shrinks.bin", RandomBytes(300000, 8));
    CUploadTask task(&m_owner);
    bool cut = false;
    m_owner.onProgress = [&](const Progress& p) {
        if (!cut && p.fileDone > 0) {
            ::truncate((m_site + "/shrinks.bin").c_str(), 1000);
            cut = true;
        }
    };
    Send(task, server);
    EXPECT_TRUE(cut);
    EXPECT_TRUE(task.m_tracker.m_arrUpToDate.empty());
    EXPECT_EQ(m_owner.Status().back(), "Done");
    EXPECT_EQ(m_owner.Messages(),
              (std::vector<std::string>{"These files were not sent:\nshrinks.bin: it changed while it was sent"}));
    // What reached the server are the file's own first bytes, nothing else.
    const std::string onServer = OnServer(server, "shrinks.bin");
    EXPECT_EQ(onServer, RandomBytes(300000, 8).substr(0, onServer.size()));
}

TEST_F(UploadRunTest, FilesNotSentAreReportedWhenTheRunEndsEarlyToo)
{
    Put("gone.htm", "x");
    Put("b.bin", RandomBytes(4000, 9));
    FtpServer server({.file = "b.bin", .dropAfterBytes = 100});
    CUploadTask task(&m_owner);
    task.m_tracker.SetFolderAndRescan(m_site);
    std::filesystem::remove(m_site + "/gone.htm");
    m_owner.login = {server.HostField(), server.User(), server.Password()};
    ASSERT_TRUE(task.Start());
    ASSERT_TRUE(m_owner.WaitFinished());
    task.WaitUntilIdle();
    const std::vector<std::string> messages = m_owner.Messages();
    EXPECT_NE(std::find(messages.begin(), messages.end(), "Connection error: FTP connection lost"), messages.end());
    // Listed first or not at all, the file that could not be opened is named.
    const bool goneFirst = task.m_tracker.m_arrToSend.at(0).m_strName == "gone.htm";
    if (goneFirst) {
        EXPECT_NE(std::find(messages.begin(), messages.end(), "These files were not sent:\ngone.htm: it cannot be opened"),
                  messages.end());
    }
}

TEST_F(UploadRunTest, SendsFilesOf2GiBAndMoreWhole)
{
    const std::uint64_t size = (std::uint64_t{1} << 31) + 300;
    MakeSparseFile(m_site + "/huge.bin", size);
    SetFileTime(m_site + "/huge.bin", 1700000000);
    FtpServer server;
    CUploadTask task(&m_owner);
    Progress last{};
    m_owner.keepProgress = false;
    m_owner.onProgress = [&](const Progress& p) { last = p; };
    Send(task, server);
    EXPECT_EQ(m_owner.Status().back(), "Done");
    EXPECT_EQ(std::filesystem::file_size(server.Root() + "/huge.bin"), size);
    // The last chunk is the 44 bytes beyond a multiple of 256.
    const auto before = static_cast<std::int64_t>(size - 44);
    EXPECT_EQ(last, (Progress{before, static_cast<std::int64_t>(size), before, static_cast<std::int64_t>(size)}));
    EXPECT_EQ(task.m_tracker.m_arrUpToDate.size(), 1u);
    std::filesystem::remove(server.Root() + "/huge.bin");
}

} // namespace
