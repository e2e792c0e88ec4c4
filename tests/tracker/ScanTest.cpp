#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "tests/support/EntryNames.h"
#include "tests/support/TestFiles.h"
#include "tracker/ChangeTracker.h"
#include "tracker/EntryTime.h"
#include "tracker/FolderSeparator.h"

namespace {

class ScanTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        UseFreshStateFolder();
        m_folder = MakeTempFolder();
    }

    // A file with the given content and last-write time.
    void Put(const std::string& name, const std::string& content, std::int64_t time = 1000000000)
    {
        WriteFile(m_folder + "/" + name, content);
        SetFileTime(m_folder + "/" + name, time);
    }

    std::string m_folder;
};

TEST(EntryTimeTest, KeepsRepresentableTimesAndMarksTheRest)
{
    const struct {
        std::int64_t seconds;
        std::int32_t expected;
    } cases[] = {
        {0, 0},
        {863784000, 863784000},
        {2147483647, 2147483647},
        {2147483648, -1},
        {-1, -1},
        {-2147483648LL, -2147483648LL},
        {-2147483649LL, -1},
        {-2208988800LL, -1}, // 1900-01-01: representable as a year, not as a count
        {-2208988801LL, 0},  // 1899-12-31
        {INT64_MIN, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ToEntryTime(c.seconds), c.expected) << c.seconds;
}

TEST(FolderSeparatorTest, AddsOneOnlyWhenMissing)
{
    EXPECT_EQ(GetFolderSeparator("/web"), "/");
    EXPECT_EQ(GetFolderSeparator("/web/"), "");
    EXPECT_EQ(GetFolderSeparator("/"), "");
    EXPECT_EQ(GetFolderSeparator(""), "/");
}

TEST_F(ScanTest, ClassifiesNewChangedUnchangedAndVanishedFiles)
{
    Put("same.htm", "12345", 1000);
    Put("size.htm", "123456", 1000);  // recorded with 5 bytes
    Put("time.htm", "12345", 2000);   // recorded at 1000
    Put("index.htm", "x", 1000);      // recorded as Index.htm
    Put("new.htm", "x", 1000);
    Put("content.htm", "abcde", 1000); // other bytes, same size and time

    CChangeTracker tracker;
    tracker.SetFolderAndRescan(m_folder);
    tracker.m_arrUpToDate = {{"same.htm", 5, 1000},  {"size.htm", 5, 1000}, {"time.htm", 5, 1000},
                             {"Index.htm", 1, 1000}, {"gone.htm", 9, 1000}, {"content.htm", 5, 1000}};
    tracker.Rescan();

    EXPECT_EQ(SortedNames(tracker.m_arrToSend),
              (std::vector<std::string>{"index.htm", "new.htm", "size.htm", "time.htm"}));
    EXPECT_EQ(SortedNames(tracker.m_arrToDelete), (std::vector<std::string>{"Index.htm", "gone.htm"}));
    // The delete list keeps the up-to-date list's order and its entries whole.
    EXPECT_EQ(tracker.m_arrToDelete, (FileEntryArray{{"Index.htm", 1, 1000}, {"gone.htm", 9, 1000}}));
    for (const FileEntry& e : tracker.m_arrToSend) {
        if (e.m_strName == "time.htm") {
            EXPECT_EQ(e, (FileEntry{"time.htm", 5, 2000}));
        }
    }
}

TEST_F(ScanTest, ListsOnlyWhatCanBeSentAsAFile)
{
    Put("page.htm", "x");
    Put(".hidden", "x");
    std::filesystem::create_directory(m_folder + "/sub");
    WriteFile(m_folder + "/sub/deep.htm", "x");
    ASSERT_EQ(::mkfifo((m_folder + "/fifo").c_str(), 0600), 0);
    std::filesystem::create_symlink(m_folder + "/page.htm", m_folder + "/link.htm");
    std::filesystem::create_symlink(m_folder + "/nowhere", m_folder + "/broken.htm");
    std::filesystem::create_directory_symlink(m_folder + "/sub", m_folder + "/sublink");

    int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    const std::string sockPath = m_folder + "/sock";
    ASSERT_LT(sockPath.size(), sizeof addr.sun_path);
    std::strcpy(addr.sun_path, sockPath.c_str());
    ASSERT_EQ(::bind(sock, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);

    CChangeTracker tracker;
    tracker.SetFolderAndRescan(m_folder);
    ::close(sock);

    EXPECT_EQ(SortedNames(tracker.m_arrToSend), (std::vector<std::string>{".hidden", "link.htm", "page.htm"}));
    EXPECT_TRUE(tracker.m_arrToDelete.empty());
}

TEST_F(ScanTest, ComparesOnlyTheLow32BitsOfLargeSizes)
{
    MakeSparseFile(m_folder + "/big.bin", (std::uint64_t{1} << 32) + 300);
    SetFileTime(m_folder + "/big.bin", 5000);
    CChangeTracker tracker;
    tracker.SetFolderAndRescan(m_folder);
    ASSERT_EQ(tracker.m_arrToSend.size(), 1u);
    EXPECT_EQ(tracker.m_arrToSend[0].m_dwSize, 300u);

    tracker.m_arrUpToDate = {{"big.bin", 300, 5000}};
    tracker.Rescan();
    EXPECT_TRUE(tracker.m_arrToSend.empty());
}

TEST_F(ScanTest, DuplicateRecordsMatchTheFirstAndListTheSecondAsVanished)
{
    Put("a.htm", "123", 10);
    CChangeTracker tracker;
    tracker.SetFolderAndRescan(m_folder);
    tracker.m_arrUpToDate = {{"a.htm", 3, 10}, {"a.htm", 99, 99}};
    tracker.Rescan();
    EXPECT_TRUE(tracker.m_arrToSend.empty());
    EXPECT_EQ(tracker.m_arrToDelete, (FileEntryArray{{"a.htm", 99, 99}}));
    EXPECT_EQ(tracker.m_arrSeen, (std::vector<std::uint32_t>{1, 0}));

    // Forgetting it removes the first of the name, the one that matched.
    tracker.ForgetDeletedEntry(0);
    EXPECT_EQ(tracker.m_arrUpToDate, (FileEntryArray{{"a.htm", 99, 99}}));
    tracker.Rescan();
    EXPECT_EQ(SortedNames(tracker.m_arrToSend), (std::vector<std::string>{"a.htm"}));
}

TEST_F(ScanTest, EmptyFolderTextScansNothingAndKeepsTheList)
{
    Put("a.htm", "1");
    CChangeTracker tracker;
    tracker.m_arrUpToDate = {{"a.htm", 1, 1}};
    tracker.Rescan();
    EXPECT_TRUE(tracker.m_arrToSend.empty());
    EXPECT_TRUE(tracker.m_arrToDelete.empty());
    EXPECT_EQ(tracker.m_arrUpToDate.size(), 1u);
}

TEST_F(ScanTest, MissingFolderListsEveryRecordAsVanished)
{
    CChangeTracker tracker;
    tracker.SetFolderAndRescan(m_folder + "/missing");
    tracker.m_arrUpToDate = {{"a.htm", 1, 1}, {"b.htm", 2, 2}};
    tracker.Rescan();
    EXPECT_TRUE(tracker.m_arrToSend.empty());
    EXPECT_EQ(tracker.m_arrToDelete, tracker.m_arrUpToDate);
}

TEST_F(ScanTest, FolderSwitchComparesTheTextExactly)
{
    Put("a.htm", "1", 10);
    CChangeTracker tracker;
    tracker.SetFolderAndRescan(m_folder);
    tracker.m_arrUpToDate = {{"a.htm", 1, 10}};

    tracker.SetFolderAndRescan(m_folder);
    EXPECT_EQ(tracker.m_arrUpToDate.size(), 1u);
    EXPECT_TRUE(tracker.m_arrToSend.empty());

    // The same folder written another way is another folder text.
    tracker.SetFolderAndRescan(m_folder + "/");
    EXPECT_TRUE(tracker.m_arrUpToDate.empty());
    EXPECT_EQ(tracker.m_strFolder, m_folder + "/");
    EXPECT_EQ(SortedNames(tracker.m_arrToSend), (std::vector<std::string>{"a.htm"}));
}

TEST_F(ScanTest, StateFileCountsOnlyForTheFolderItNames)
{
    Put("a.htm", "1", 10);
    Put("b.htm", "2", 10);
    {
        CChangeTracker tracker;
        tracker.SetFolderAndRescan(m_folder);
        EXPECT_EQ(tracker.m_arrToSend.size(), 2u);
        tracker.AcceptEntry(0);
    }
    CChangeTracker reloaded;
    // Scanned at once against the list loaded with it.
    EXPECT_EQ(reloaded.m_arrToSend.size(), 1u);
    reloaded.SetFolderAndRescan(m_folder);
    EXPECT_EQ(reloaded.m_arrToSend.size(), 1u);
    reloaded.SetFolderAndRescan(m_folder + "/.");
    EXPECT_EQ(reloaded.m_arrToSend.size(), 2u);
}

TEST_F(ScanTest, TotalSendBytesWrapsAt32Bits)
{
    CChangeTracker tracker;
    EXPECT_EQ(tracker.GetTotalSendBytes(), 0);
    tracker.m_arrToSend = {{"a", 0x80000000u, 0}, {"b", 0x80000000u, 0}, {"c", 7, 0}};
    EXPECT_EQ(tracker.GetTotalSendBytes(), 7);
    tracker.m_arrToSend = {{"a", 0xFFFFFFFFu, 0}};
    EXPECT_EQ(tracker.GetTotalSendBytes(), -1);
}

TEST_F(ScanTest, TimeIsTheTrueUtcTimeWhateverTheTimeZone)
{
    Put("summer.htm", "1", 1751328000); // 2025-07-01 UTC
    Put("winter.htm", "1", 1735689600); // 2025-01-01 UTC
    ::setenv("TZ", "Europe/Berlin", 1);
    ::tzset();
    CChangeTracker tracker;
    tracker.SetFolderAndRescan(m_folder);
    ::unsetenv("TZ");
    ::tzset();
    for (const FileEntry& e : tracker.m_arrToSend)
        EXPECT_EQ(e.m_time, e.m_strName == "summer.htm" ? 1751328000 : 1735689600);
}

} // namespace
