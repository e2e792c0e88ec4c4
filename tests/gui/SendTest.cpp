#include <QProgressBar>
#include <QTest>
#include <filesystem>
#include <thread>

#include "res/ResourceIds.h"
#include "tests/gui/GuiTest.h"
#include "tests/support/FtpServer.h"
#include "tests/support/TestFiles.h"
#include "tracker/ChangeTracker.h"
#include "ui/MainDlg.h"

namespace {

using Shown = MessageBoxTesting::Shown;

class SendTest : public GuiTest {
protected:
    void UseServer(const FtpServer& server) { StoreSettings(server.HostField(), server.User(), server.Password(), m_site); }

    static bool Idle(QWidget& w) { return Button(w, IDC_SEND)->text() == "&Send" && Button(w, IDCANCEL)->isEnabled(); }

    static void ExpectSending(QWidget& w, bool cancelling)
    {
        EXPECT_EQ(Button(w, IDC_SEND)->text(), "&Cancel sending");
        EXPECT_EQ(Button(w, IDC_SEND)->isEnabled(), !cancelling);
        for (int id : {IDCANCEL, IDC_CONFIGURE, IDC_RESCAN, IDC_UP_TO_DATE})
            EXPECT_FALSE(Button(w, id)->isEnabled()) << id;
        EXPECT_TRUE(Button(w, IDC_DETAILS)->isEnabled());
    }

    static void ExpectIdleAfterRun(QWidget& w)
    {
        EXPECT_EQ(Button(w, IDC_SEND)->text(), "&Send");
        for (int id : {IDCANCEL, IDC_CONFIGURE, IDC_RESCAN, IDC_UP_TO_DATE, IDC_DETAILS})
            EXPECT_TRUE(Button(w, id)->isEnabled()) << id;
        EXPECT_EQ(w.windowTitle(), "Tolvark utility");
        EXPECT_EQ(ControlOf<QProgressBar>(w, IDC_PROGRESS_FILE)->value(), 0);
        EXPECT_EQ(ControlOf<QProgressBar>(w, IDC_PROGRESS_TOTAL)->value(), 0);
    }

};

TEST_F(SendTest, SendingPutsTheWindowInItsSendingStateUntilTheRunIsDone)
{
    FtpServer server;
    UseServer(server);
    Put("index.htm", std::string(5000000, 'i'));
    Put("logo.gif", "GIF89a");
    Put("style.css", "body {}");
    CMainDlg dlg;
    ModalScript script;
    script.When("Tolvark utility", [&](QWidget& w) {
        Button(w, IDC_SEND)->click();
        ExpectSending(w, false);
        ASSERT_TRUE(QTest::qWaitFor([&] { return Idle(w); }, 30000));
        ExpectIdleAfterRun(w);
        EXPECT_EQ(TextOf(w, IDC_STATUS), "Done");
        // Nothing left to send.
        EXPECT_FALSE(Button(w, IDC_SEND)->isEnabled());
        EXPECT_EQ(TextOf(w, IDC_CHANGES), "Folder " + m_site + " 0 files to send (0 bytes)\r\n");
        // The figures keep the last report of the run.
        EXPECT_FALSE(TextOf(w, IDC_FILE_FIGURES).empty());
        EXPECT_FALSE(TextOf(w, IDC_TOTAL_FIGURES).empty());
        EXPECT_TRUE(MessageBoxTesting::TakeShown().empty());
        Button(w, IDCANCEL)->click();
    });
    dlg.DoModal();
    EXPECT_EQ(ReadFile(server.Root() + "/index.htm"), std::string(5000000, 'i'));
    EXPECT_EQ(ReadFile(server.Root() + "/style.css"), "body {}");
}

TEST_F(SendTest, TheFiguresShowTheLastReportOfAFile)
{
    FtpServer server;
    UseServer(server);
    Put("big.bin", std::string(5000000, 'b'));
    CMainDlg dlg;
    ModalScript script;
    script.When("Tolvark utility", [&](QWidget& w) {
        Button(w, IDC_SEND)->click();
        ASSERT_TRUE(QTest::qWaitFor([&] { return Idle(w); }, 30000));
        // Reported before the last chunk of 64 bytes: 4999936 of 5000000.
        EXPECT_EQ(TextOf(w, IDC_FILE_FIGURES), "4.77M of 4.77M");
        EXPECT_EQ(TextOf(w, IDC_TOTAL_FIGURES), "4.77M of 4.77M");
        Button(w, IDCANCEL)->click();
    });
    dlg.DoModal();
}

TEST_F(SendTest, CancellingKeepsTheWindowShutUntilTheRunHasStopped)
{
    FtpServer server;
    UseServer(server);
    Put("big.bin", std::string(20000000, 'b'));
    const std::string elsewhere = MakeTempFolder();
    CMainDlg dlg;
    ModalScript script;
    script.When("Tolvark utility", [&](QWidget& w) {
        Button(w, IDC_SEND)->click();
        // Escape and the close box do nothing while Exit is disabled.
        QTest::keyClick(&w, Qt::Key_Escape);
        w.close();
        EXPECT_TRUE(w.isVisible());
        // A drop during a run changes nothing and asks nothing.
        Drop(w, {QString::fromStdString(elsewhere + "/x.htm")});
        EXPECT_TRUE(MessageBoxTesting::TakeShown().empty());
        EXPECT_EQ(dlg.m_strPageFolder, m_site);

        Button(w, IDC_SEND)->click();
        ExpectSending(w, true);
        ASSERT_TRUE(QTest::qWaitFor([&] { return Idle(w); }, 30000));
        ExpectIdleAfterRun(w);
        EXPECT_EQ(TextOf(w, IDC_STATUS), "Operation cancelled");
        EXPECT_TRUE(Button(w, IDC_SEND)->isEnabled());
        // A Send right after the run starts a new one.
        Button(w, IDC_SEND)->click();
        ExpectSending(w, false);
        ASSERT_TRUE(QTest::qWaitFor([&] { return Idle(w); }, 30000));
        EXPECT_EQ(TextOf(w, IDC_STATUS), "Done");
        Button(w, IDCANCEL)->click();
    });
    dlg.DoModal();
}

TEST_F(SendTest, ACancelPressedAsTheRunEndsStartsNoSecondRun)
{
    FtpServer server;
    UseServer(server);
    Put("a.htm", "a");
    CMainDlg dlg;
    ModalScript script;
    script.When("Tolvark utility", [&](QWidget& w) {
        Button(w, IDC_SEND)->click();
        // This thread serves nothing meanwhile: the worker ends, and the
        // run's completion waits in the window's queue.
        while (dlg.m_uploadTask.IsBusy())
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        Button(w, IDC_SEND)->click();
        ExpectSending(w, true);
        ASSERT_TRUE(QTest::qWaitFor([&] { return Idle(w); }, 30000));
        EXPECT_EQ(TextOf(w, IDC_STATUS), "Done");
        EXPECT_EQ(server.Logins(), 1);
        EXPECT_FALSE(Button(w, IDC_SEND)->isEnabled());
        Button(w, IDCANCEL)->click();
    });
    dlg.DoModal();
}

TEST_F(SendTest, AFailedLoginShowsItsMessageAndStillForgetsVanishedFiles)
{
    FtpServer server;
    StoreSettings(server.HostField(), server.User(), "wrong", m_site);
    Put("a.htm", "a");
    {
        CChangeTracker tracker;
        tracker.m_strFolder = m_site;
        tracker.m_arrUpToDate = {{"gone.htm", 1, 1}};
    }
    CMainDlg dlg;
    ModalScript script;
    script.When("Tolvark utility", [&](QWidget& w) {
        EXPECT_NE(TextOf(w, IDC_CHANGES).find("Files to delete:\r\ngone.htm"), std::string::npos);
        Button(w, IDC_SEND)->click();
        ASSERT_TRUE(QTest::qWaitFor([&] { return Idle(w); }, 30000));
        const std::vector<Shown> shown = MessageBoxTesting::TakeShown();
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].text, "Connection error: Can't connect to host");
        EXPECT_EQ(shown[0].caption, "TOLVARK");
        EXPECT_EQ(shown[0].type, MB_OK);
        EXPECT_EQ(shown[0].owner, "Tolvark utility");
        EXPECT_EQ(TextOf(w, IDC_STATUS), "Can't connect to host");
        EXPECT_EQ(TextOf(w, IDC_CHANGES), "Folder " + m_site + " 1 files to send (1 bytes)\r\nFiles to send:\r\n\r\n"
                                              "a.htm\t1\r\n");
        Button(w, IDCANCEL)->click();
    });
    dlg.DoModal();
}

TEST_F(SendTest, ClosingTheWindowDuringARunStopsItAndKeepsWhatWasSent)
{
    FtpServer server;
    UseServer(server);
    for (int i = 0; i < 30; ++i)
        Put("f" + std::to_string(i) + ".bin", std::string(2000000, 'f'));
    {
        CMainDlg dlg;
        ModalScript script;
        script.When("Tolvark utility", [&](QWidget& w) {
            Button(w, IDC_SEND)->click();
            // Once the first file is recorded, the window goes, however it
            // is asked to, mid-run.
            EXPECT_TRUE(QTest::qWaitFor([&] { return std::filesystem::exists(StatePath()); }, 30000));
            dlg.EndDialog(IDCANCEL);
        });
        dlg.DoModal();
    }
    CChangeTracker reloaded;
    EXPECT_GE(reloaded.m_arrUpToDate.size(), 1u);
    EXPECT_EQ(reloaded.m_arrUpToDate.size() + reloaded.m_arrToSend.size(), 30u);
    for (const FileEntry& entry : reloaded.m_arrUpToDate)
        EXPECT_EQ(std::filesystem::file_size(server.Root() + "/" + entry.m_strName), 2000000u) << entry.m_strName;
}

} // namespace
