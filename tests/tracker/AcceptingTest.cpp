#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/TestFiles.h"
#include "tracker/ChangeTracker.h"

namespace {

class AcceptingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        UseFreshStateFolder();
        m_folder = MakeTempFolder();
    }

    void Put(const std::string& name, const std::string& content, std::int64_t time = 1000)
    {
        WriteFile(m_folder + "/" + name, content);
        SetFileTime(m_folder + "/" + name, time);
    }

    // Removes the state file, so that a later write shows by its return.
    static void RemoveStateFile() { std::filesystem::remove(GetStateFilePath()); }
    static bool StateFileWritten() { return std::filesystem::exists(GetStateFilePath()); }

    std::string m_folder;
};

TEST_F(AcceptingTest, AcceptReplacesInPlaceOrAppendsAndWritesEachTime)
{
    Put("a.htm", "12", 20);
    Put("b.htm", "1");
    CChangeTracker tracker;
    tracker.SetFolderAndRescan(m_folder);
    tracker.m_arrUpToDate = {{"z.htm", 1, 1}, {"a.htm", 1, 10}, {"y.htm", 1, 1}};
    tracker.Rescan();
    ASSERT_EQ(tracker.m_arrToSend.size(), 2u);
    const std::size_t a = tracker.m_arrToSend[0].m_strName == "a.htm" ? 0 : 1;
    const FileEntryArray sendList = tracker.m_arrToSend;

    RemoveStateFile();
    tracker.AcceptEntry(a);
    EXPECT_EQ(tracker.m_arrUpToDate,
              (FileEntryArray{{"z.htm", 1, 1}, {"a.htm", 2, 20}, {"y.htm", 1, 1}}));
    EXPECT_TRUE(StateFileWritten());

    tracker.AcceptEntry(1 - a);
    RemoveStateFile();
    tracker.AcceptEntry(1 - a);
    EXPECT_EQ(tracker.m_arrUpToDate,
              (FileEntryArray{{"z.htm", 1, 1}, {"a.htm", 2, 20}, {"y.htm", 1, 1}, {"b.htm", 1, 1000}}));
    EXPECT_TRUE(StateFileWritten());
    // The lists of the last scan stay as they were.
    EXPECT_EQ(tracker.m_arrToSend, sendList);

    CChangeTracker reloaded;
    EXPECT_EQ(reloaded.m_arrUpToDate, tracker.m_arrUpToDate);
    tracker.Rescan();
    EXPECT_TRUE(tracker.m_arrToSend.empty());
}

TEST_F(AcceptingTest, AcceptAfterForgettingFindsTheRightEntry)
{
    Put("c.htm", "123");
    CChangeTracker tracker;
    tracker.SetFolderAndRescan(m_folder);
    tracker.m_arrUpToDate = {{"a.htm", 1, 1}, {"b.htm", 1, 1}, {"c.htm", 1, 1}};
    tracker.Rescan();
    tracker.ForgetDeletedEntry(0); // a.htm
    tracker.AcceptEntry(0);        // c.htm, now at index 1
    EXPECT_EQ(tracker.m_arrUpToDate, (FileEntryArray{{"b.htm", 1, 1}, {"c.htm", 3, 1000}}));
    tracker.ForgetDeletedEntry(0); // a.htm is no longer there: nothing happens
    EXPECT_EQ(tracker.m_arrUpToDate.size(), 2u);
}

TEST_F(AcceptingTest, PruneForgetsEveryVanishedFileAndWritesNothing)
{
    Put("keep.htm", "1");
    CChangeTracker tracker;
    tracker.SetFolderAndRescan(m_folder);
    tracker.m_arrUpToDate = {{"a", 1, 1}, {"keep.htm", 1, 1000}, {"a", 2, 2}, {"b", 1, 1}, {"a", 3, 3}};
    tracker.Rescan();
    ASSERT_EQ(tracker.m_arrToDelete.size(), 4u); // the a's after the first, and b
    RemoveStateFile();

    tracker.PruneDeleted();
    // Each listed name forgets its first remaining record, so one "a"
    // survives: the last of the three.
    EXPECT_EQ(tracker.m_arrUpToDate, (FileEntryArray{{"keep.htm", 1, 1000}}));
    EXPECT_FALSE(StateFileWritten());
}

TEST_F(AcceptingTest, PruneMatchesRepeatedForgets)
{
    CChangeTracker one, other;
    const FileEntryArray records = {{"a", 1, 1}, {"b", 1, 1}, {"a", 2, 2}, {"c", 1, 1}, {"a", 3, 3}, {"b", 2, 2}};
    const FileEntryArray deleted = {{"a", 0, 0}, {"b", 0, 0}, {"a", 0, 0}, {"x", 0, 0}};
    one.m_arrUpToDate = other.m_arrUpToDate = records;
    one.m_arrToDelete = other.m_arrToDelete = deleted;
    one.PruneDeleted();
    for (std::size_t i = 0; i < deleted.size(); ++i)
        other.ForgetDeletedEntry(i);
    EXPECT_EQ(one.m_arrUpToDate, other.m_arrUpToDate);
    EXPECT_EQ(one.m_arrUpToDate, (FileEntryArray{{"c", 1, 1}, {"a", 3, 3}, {"b", 2, 2}}));
}

TEST_F(AcceptingTest, MarkAllUpToDateDescribesTheFolderInOneWrite)
{
    Put("same.htm", "1", 1000);
    Put("changed.htm", "22", 1000);
    Put("new.htm", "333", 1000);
    CChangeTracker tracker;
    tracker.SetFolderAndRescan(m_folder);
    tracker.m_arrUpToDate = {{"gone.htm", 1, 1}, {"changed.htm", 1, 1}, {"same.htm", 1, 1000}};

    tracker.MarkAllUpToDate();
    EXPECT_EQ(tracker.m_arrUpToDate,
              (FileEntryArray{{"changed.htm", 2, 1000}, {"same.htm", 1, 1000}, {"new.htm", 3, 1000}}));
    // The lists still show what the scan found.
    EXPECT_EQ(tracker.m_arrToSend.size(), 2u);
    EXPECT_EQ(tracker.m_arrToDelete, (FileEntryArray{{"gone.htm", 1, 1}}));
    CChangeTracker reloaded;
    EXPECT_EQ(reloaded.m_arrUpToDate, tracker.m_arrUpToDate);
    EXPECT_TRUE(reloaded.m_arrToSend.empty());
    EXPECT_TRUE(reloaded.m_arrToDelete.empty());
}

TEST_F(AcceptingTest, MarkAllUpToDateWithNothingToSendWritesNothing)
{
    Put("same.htm", "1", 1000);
    CChangeTracker tracker;
    tracker.SetFolderAndRescan(m_folder);
    tracker.m_arrUpToDate = {{"same.htm", 1, 1000}, {"gone.htm", 1, 1}};
    RemoveStateFile();
    tracker.MarkAllUpToDate();
    EXPECT_EQ(tracker.m_arrUpToDate, (FileEntryArray{{"same.htm", 1, 1000}}));
    EXPECT_FALSE(StateFileWritten());

    // A missing folder forgets everything, still without a write.
    tracker.SetFolderAndMarkUpToDate(m_folder + "/missing");
    EXPECT_TRUE(tracker.m_arrUpToDate.empty());
    EXPECT_FALSE(StateFileWritten());
}

TEST_F(AcceptingTest, SetFolderAndMarkUpToDateKeepsMatchingEntriesOfTheOldFolder)
{
    Put("same.htm", "1", 1000);
    Put("other.htm", "22", 1000);
    CChangeTracker tracker;
    tracker.SetFolderAndRescan("/old/folder");
    tracker.m_arrUpToDate = {{"gone.htm", 1, 1}, {"same.htm", 1, 1000}};
    tracker.SetFolderAndMarkUpToDate(m_folder);
    EXPECT_EQ(tracker.m_strFolder, m_folder);
    EXPECT_EQ(tracker.m_arrUpToDate, (FileEntryArray{{"same.htm", 1, 1000}, {"other.htm", 2, 1000}}));
    tracker.SetFolderAndRescan(m_folder);
    EXPECT_TRUE(tracker.m_arrToSend.empty());
    EXPECT_TRUE(tracker.m_arrToDelete.empty());
}

TEST_F(AcceptingTest, MarkAllUpToDateWithAnEmptyFolderTextChangesNothing)
{
    CChangeTracker tracker;
    tracker.m_arrUpToDate = {{"a", 1, 1}};
    tracker.MarkAllUpToDate();
    EXPECT_EQ(tracker.m_arrUpToDate, (FileEntryArray{{"a", 1, 1}}));
    EXPECT_FALSE(std::filesystem::exists(GetStateFilePath()));
}

} // namespace
