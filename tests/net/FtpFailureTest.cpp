#include <chrono>
#include <gtest/gtest.h>

#include "tests/net/FtpTestSupport.h"
#include "tests/support/TestFiles.h"

namespace {

using namespace std::chrono_literals;

class FtpFailureTest : public FtpTest {
protected:
    // The code of the first failure while the file is written and closed.
    static std::uint32_t ErrorWhileSending(CInternetFile& file, const std::string& content)
    {
        return ErrorCodeOf([&] {
            WriteInChunks(file, content);
            file.Close();
        });
    }
};

TEST_F(FtpFailureTest, AConnectionDroppedDuringAFileIsDropped)
{
    const struct {
        std::size_t size;
        std::uint64_t dropAfter;
    } cases[] = {
        {1000, 500},            // all bytes go out at Close
        {4 << 20, 0},           // as soon as the data connection opens
        {4 << 20, 1000},
        {4 << 20, (3 << 20) / 2},
    };
    for (const auto& c : cases) {
        FtpServer server({.file = "big.bin", .dropAfterBytes = c.dropAfter});
        auto connection = Connect(server);
        Store(*connection, "first.htm", "complete");
        auto file = connection->OpenFile("big.bin");
        EXPECT_EQ(ErrorWhileSending(*file, RandomBytes(c.size)), ERROR_FTP_DROPPED)
            << c.size << " bytes, dropped after " << c.dropAfter;
        EXPECT_EQ(ReadFile(server.Root() + "/first.htm"), "complete");
    }
}

TEST_F(FtpFailureTest, AFailedFileKeepsFailing)
{
    FtpServer server({.file = "big.bin", .dropAfterBytes = 1000});
    auto connection = Connect(server);
    auto file = connection->OpenFile("big.bin");
    ASSERT_EQ(ErrorWhileSending(*file, RandomBytes(4 << 20)), ERROR_FTP_DROPPED);
    EXPECT_EQ(ErrorCodeOf([&] { file->Write("x", 1); }), ERROR_FTP_DROPPED);
    EXPECT_EQ(ErrorCodeOf([&] { file->Close(); }), ERROR_FTP_DROPPED);
    EXPECT_NO_THROW(file.reset());
}

TEST_F(FtpFailureTest, AConnectionDroppedBetweenFilesIsDroppedWithoutASecondLogin)
{
    // Straight after the file, the next store may still find the connection
    // open and fail on it; once the close has arrived, curl sees the
    // connection dead and would open a new one.
    for (bool waitForTheClose : {false, true}) {
        SCOPED_TRACE(waitForTheClose ? "after the close" : "straight after");
        FtpServer server({.file = "first.htm", .dropAfterFile = true});
        auto connection = Connect(server);
        Store(*connection, "first.htm", "complete");
        if (waitForTheClose)
            server.WaitForDisconnect();
        EXPECT_EQ(ErrorCodeOf([&] { connection->OpenFile("second.htm"); }), ERROR_FTP_DROPPED);
        EXPECT_EQ(server.Connections(), 1);
        EXPECT_EQ(server.Logins(), 1);
        EXPECT_EQ(ReadFile(server.Root() + "/first.htm"), "complete");
    }
}

TEST_F(FtpFailureTest, ARefusedStoreFailsInOpenFile)
{
    for (const char* reply : {"550 Permission denied.", "553 Not a valid file name.", "452 No space left."}) {
        FtpServer server({.file = "page.htm", .storReply = reply});
        auto connection = Connect(server);
        EXPECT_EQ(ErrorCodeOf([&] { connection->OpenFile("page.htm"); }), ERROR_INTERNET_EXTENDED_ERROR) << reply;
    }
}

TEST_F(FtpFailureTest, ANegativeFinalReplyFailsInClose)
{
    for (const char* reply : {"452 Insufficient storage space.", "552 Exceeded storage allocation.",
                              "451 Local error in processing."}) {
        FtpServer server({.file = "page.htm", .finalReply = reply});
        auto connection = Connect(server);
        auto file = connection->OpenFile("page.htm");
        WriteInChunks(*file, RandomBytes(3000));
        EXPECT_EQ(ErrorCodeOf([&] { file->Close(); }), ERROR_INTERNET_EXTENDED_ERROR) << reply;
    }
}

TEST_F(FtpFailureTest, AStalledServerTimesOut)
{
    enum Step { connecting, opening, sending };
    const struct {
        const char* what;
        FtpServerOptions options;
        Step failsIn;
    } cases[] = {
        {"connect", {.stallConnect = true}, connecting},
        {"greeting", {.stallGreeting = true}, connecting},
        {"data connection", {.stallDataConnection = true}, opening},
        {"reply to STOR", {.file = "page.htm", .stallStor = true}, opening},
        {"reading data", {.file = "page.htm", .stallData = true}, sending},
        {"final reply", {.file = "page.htm", .stallFinal = true}, sending},
    };
    m_session.SetTimeouts(1s);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FtpServer server(c.options);
        std::unique_ptr<CFtpConnection> connection;
        const std::uint32_t connectError = ErrorCodeOf([&] { connection = Connect(server); });
        if (c.failsIn == connecting) {
            EXPECT_EQ(connectError, ERROR_INTERNET_TIMEOUT);
            continue;
        }
        ASSERT_EQ(connectError, 0u);
        std::unique_ptr<CInternetFile> file;
        const std::uint32_t openError = ErrorCodeOf([&] { file = connection->OpenFile("page.htm"); });
        if (c.failsIn == opening) {
            EXPECT_EQ(openError, ERROR_INTERNET_TIMEOUT);
            continue;
        }
        ASSERT_EQ(openError, 0u);
        // More than the socket buffers hold, so that a server that reads
        // nothing stops the flow.
        EXPECT_EQ(ErrorWhileSending(*file, RandomBytes(64 << 20)), ERROR_INTERNET_TIMEOUT);
    }
}

} // namespace
