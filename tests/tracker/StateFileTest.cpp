#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>

#include "tests/support/TestFiles.h"
#include "tracker/ChangeTracker.h"

namespace {

std::string Bytes(std::initializer_list<int> bytes)
{
    std::string s;
    for (int b : bytes)
        s += static_cast<char>(b);
    return s;
}

class StateFileTest : public ::testing::Test {
protected:
    void SetUp() override { UseFreshStateFolder(); }

    static std::string Saved(const std::string& folder, const FileEntryArray& entries)
    {
        {
            CChangeTracker tracker;
            tracker.m_strFolder = folder;
            tracker.m_arrUpToDate = entries;
        }
        return ReadFile(GetStateFilePath());
    }
};

struct LayoutCase {
    const char* what;
    std::string folder;
    FileEntryArray entries;
    std::string bytes;
};

TEST_F(StateFileTest, WritesTheExactLayoutAndReadsItBack)
{
    const std::string name254(254, 'a'), name255(255, 'b'), name65533(65533, 'c'), name65534(65534, 'd');
    const std::vector<LayoutCase> cases = {
        {"empty state", "", {}, Bytes({0, 0, 0})},
        {"worked example", "c:\\", {{"index.htm", 300, 863784000}},
         Bytes({0x03, 0x63, 0x3A, 0x5C, 0x01, 0x00, 0x09}) + "index.htm"
             + Bytes({0x2C, 0x01, 0x00, 0x00, 0x40, 0x4C, 0x7C, 0x33})},
        {"time -1 and a full size", "f", {{"x", 0xFFFFFFFF, -1}},
         Bytes({1, 'f', 1, 0, 1, 'x', 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF})},
        {"254 bytes: one-byte prefix", name254, {}, Bytes({0xFE}) + name254 + Bytes({0, 0})},
        {"255 bytes: FF and two bytes", name255, {}, Bytes({0xFF, 0xFF, 0x00}) + name255 + Bytes({0, 0})},
        {"65533 bytes: last two-byte form", name65533, {}, Bytes({0xFF, 0xFD, 0xFF}) + name65533 + Bytes({0, 0})},
        {"65534 bytes: four-byte form", name65534, {},
         Bytes({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}) + name65534 + Bytes({0, 0})},
        {"folder kept exactly", "/Web/Site/", {}, Bytes({10}) + "/Web/Site/" + Bytes({0, 0})},
    };
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Saved(c.folder, c.entries), c.bytes);
        CChangeTracker reloaded;
        EXPECT_EQ(reloaded.m_strFolder, c.folder);
        EXPECT_EQ(reloaded.m_arrUpToDate, c.entries);
    }
}

TEST_F(StateFileTest, CountsSwitchToTheLongFormAt65535)
{
    for (std::size_t count : {65534u, 65535u}) {
        SCOPED_TRACE(count);
        const std::string bytes = Saved("", FileEntryArray(count));
        const std::string prefix = count == 65534 ? Bytes({0, 0xFE, 0xFF}) : Bytes({0, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0});
        EXPECT_EQ(bytes.substr(0, prefix.size()), prefix);
        EXPECT_EQ(bytes.size(), prefix.size() + 9 * count);
        CChangeTracker reloaded;
        EXPECT_EQ(reloaded.m_arrUpToDate.size(), count);
    }
}

struct ReadCase {
    const char* what;
    std::string bytes;
    std::string folder;
    FileEntryArray entries;
};

TEST_F(StateFileTest, ReadsWhatOtherWritersAndDamageLeave)
{
    const std::string entryX = Bytes({1, 'x', 5, 0, 0, 0, 7, 0, 0, 0});
    const std::vector<ReadCase> cases = {
        {"trailing bytes are ignored", Bytes({1, 'f', 1, 0}) + entryX + "garbage", "f", {{"x", 5, 7}}},
        {"long count form", Bytes({1, 'f', 0xFF, 0xFF, 1, 0, 0, 0}) + entryX, "f", {{"x", 5, 7}}},
        {"UTF-16 text becomes UTF-8", Bytes({0xFF, 0xFE, 0xFF, 2, 'h', 0, 0xE9, 0, 0, 0}), "h\xC3\xA9", {}},
        {"UTF-16 with a two-byte length",
         Bytes({0xFF, 0xFE, 0xFF, 0xFF, 1, 0, 0x3D, 0xD8, 0, 0}), "\xEF\xBF\xBD", {}},
        {"UTF-16 surrogate pair, four-byte length",
         Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 2, 0, 0, 0, 0x3D, 0xD8, 0x00, 0xDE, 0, 0}),
         "\xF0\x9F\x98\x80", {}},
        {"UTF-16 name of an entry", Bytes({0, 1, 0, 0xFF, 0xFE, 0xFF, 1, 'z', 0, 1, 0, 0, 0, 2, 0, 0, 0}), "",
         {{"z", 1, 2}}},
        {"empty file", "", "", {}},
        {"cut inside the folder text", Bytes({5, 'a', 'b'}), "", {}},
        {"cut inside the count", Bytes({1, 'f', 1}), "f", {}},
        {"cut inside the second entry", Bytes({1, 'f', 2, 0}) + entryX + Bytes({1, 'y', 5, 0}), "f", {{"x", 5, 7}}},
        {"count far beyond the file", Bytes({1, 'f', 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}) + entryX, "f",
         {{"x", 5, 7}}},
        {"text length far beyond the file", Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 'a'}), "", {}},
        {"wide text length far beyond the file", Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}),
         "", {}},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.what);
        WriteFile(GetStateFilePath(), c.bytes);
        CChangeTracker tracker;
        EXPECT_EQ(tracker.m_strFolder, c.folder);
        EXPECT_EQ(tracker.m_arrUpToDate, c.entries);
    }
}

TEST_F(StateFileTest, MissingFileLeavesTheTrackerEmptyAndTheNextSaveCreatesIt)
{
    ASSERT_FALSE(std::filesystem::exists(GetStateFilePath()));
    {
        CChangeTracker tracker;
        EXPECT_EQ(tracker.m_strFolder, "");
        EXPECT_TRUE(tracker.m_arrUpToDate.empty());
        EXPECT_TRUE(tracker.m_arrToSend.empty());
    }
    EXPECT_EQ(ReadFile(GetStateFilePath()), Bytes({0, 0, 0}));
}

TEST_F(StateFileTest, CreatesAMissingStateFolder)
{
    const std::string base = MakeTempFolder() + "/not/yet/there";
    ::setenv("XDG_STATE_HOME", base.c_str(), 1);
    { CChangeTracker tracker; }
    EXPECT_EQ(ReadFile(base + "/Tolvark.cfg"), Bytes({0, 0, 0}));
}

TEST_F(StateFileTest, SaveThatCannotCreateItsFileLeavesTheOldState)
{
    const std::string old = Bytes({1, 'f', 0, 0});
    WriteFile(GetStateFilePath(), old);
    {
        CChangeTracker tracker;
        tracker.m_strFolder = "changed";
        // The folder holding the state file turns into a file: nothing can
        // be created in it, root or not.
        const std::string dir = std::getenv("XDG_STATE_HOME");
        std::filesystem::rename(dir, dir + ".moved");
        WriteFile(dir, "");
        tracker.SaveState();
        std::filesystem::remove(dir);
        std::filesystem::rename(dir + ".moved", dir);
        EXPECT_EQ(ReadFile(GetStateFilePath()), old);
        tracker.m_strFolder = "f";
    }
    EXPECT_EQ(ReadFile(GetStateFilePath()), old);
}

TEST_F(StateFileTest, SaveThatRunsOutOfSpaceLeavesTheOldFileWholeAndNoLitter)
{
    const std::string old = Bytes({1, 'f', 0, 0});
    WriteFile(GetStateFilePath(), old);
    CChangeTracker tracker;
    tracker.m_strFolder = std::string(100000, 'z');

    // A file size limit fails the write as a full disk would.
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved;
    limited.rlim_cur = 5000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    tracker.SaveState();
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);

    EXPECT_EQ(ReadFile(GetStateFilePath()), old);
    const auto dir = std::filesystem::path(GetStateFilePath()).parent_path();
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1);
    tracker.m_strFolder = "f";
}

} // namespace
