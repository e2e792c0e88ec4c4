#include <gtest/gtest.h>

#include "tests/support/TestFiles.h"
#include "tracker/ChangeTracker.h"
#include "ui/ChangeSummary.h"

namespace {

struct SummaryCase {
    const char* what;
    std::string folder;
    FileEntryArray toSend;
    FileEntryArray toDelete;
    std::string text;
};

TEST(ChangeSummaryTest, ComposesHeaderSendListAndDeleteList)
{
    UseFreshStateFolder();
    const std::vector<SummaryCase> cases = {
        {"worked example", "c:\\web", {{"index.htm", 640, 1}, {"logo.gif", 215, 1}}, {{"old.htm", 9, 1}},
         "Folder c:\\web 2 files to send (855 bytes)\r\n"
         "Files to send:\r\n"
         "\r\n"
         "index.htm\t640\r\n"
         "logo.gif\t215\r\n"
         "\r\n"
         "Files to delete:\r\n"
         "old.htm\r\n"},
        {"nothing at all", "/web", {}, {}, "Folder /web 0 files to send (0 bytes)\r\n"},
        {"empty folder text", "", {}, {}, "Folder  0 files to send (0 bytes)\r\n"},
        {"one file, no singular", "/web/", {{"a", 0, 1}}, {},
         "Folder /web/ 1 files to send (0 bytes)\r\nFiles to send:\r\n\r\na\t0\r\n"},
        {"only deletions, names only", "/web", {}, {{"b", 5, 1}, {"a", 6, 1}},
         "Folder /web 0 files to send (0 bytes)\r\n\r\nFiles to delete:\r\nb\r\na\r\n"},
        {"sizes past 2 GiB stay unsigned", "/web", {{"big", 0xFFFFFFFFu, 1}, {"also", 0x80000000u, 1}}, {},
         "Folder /web 2 files to send (2147483647 bytes)\r\nFiles to send:\r\n\r\n"
         "big\t4294967295\r\nalso\t2147483648\r\n"},
        {"names byte for byte", "/w", {{"caf\xC3\xA9 1.htm", 3, 1}}, {},
         "Folder /w 1 files to send (3 bytes)\r\nFiles to send:\r\n\r\ncaf\xC3\xA9 1.htm\t3\r\n"},
    };
    CChangeTracker tracker;
    for (const SummaryCase& c : cases) {
        SCOPED_TRACE(c.what);
        tracker.m_arrToSend = c.toSend;
        tracker.m_arrToDelete = c.toDelete;
        EXPECT_EQ(FormatChangeSummary(c.folder, tracker), c.text);
    }
}

} // namespace
