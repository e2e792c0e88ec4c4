#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <filesystem>
#include <sys/stat.h>

#include "framework/gui/DialogUnits.h"
#include "res/ResourceIds.h"
#include "tests/gui/GuiTest.h"
#include "tests/support/TestFiles.h"
#include "ui/MainDlg.h"

namespace {

using Shown = MessageBoxTesting::Shown;

class MainDlgTest : public GuiTest {
protected:
    static std::string Summary(QWidget& w) { return TextOf(w, IDC_CHANGES); }
};

TEST_F(MainDlgTest, FirstStartAsksForTheLoginBeforeTheFirstSummary)
{
    Put("index.htm", "hello");
    bool configured = false;
    {
        CMainDlg dlg;
        ModalScript script;
        script
            .When("Tolvark configuration",
                  [&](QWidget& w) {
                      EXPECT_EQ(Field(w, IDC_HOST)->text(), "ftp.larkhaven.example");
                      EXPECT_EQ(Field(w, IDC_USER)->text(), "");
                      EXPECT_EQ(Field(w, IDC_PASSWORD)->text(), "");
                      EXPECT_EQ(Field(w, IDC_PAGE_FOLDER)->text(), "/");
                      EXPECT_FALSE(Button(w, IDCANCEL)->isEnabled());
                      EXPECT_EQ(dlg.m_editChanges.GetWindowText(), "");
                      Field(w, IDC_PAGE_FOLDER)->setText(QString::fromStdString(m_site));
                      Field(w, IDC_USER)->setText("member");
                      Field(w, IDC_PASSWORD)->setText("secret");
                      Field(w, IDC_REENTER)->setText("secret");
                      Button(w, IDOK)->click();
                      configured = true;
                  })
            .When("Tolvark utility", [&](QWidget& w) {
                EXPECT_EQ(Summary(w), "Folder " + m_site + " 1 files to send (5 bytes)\r\nFiles to send:\r\n\r\n"
                                          "index.htm\t5\r\n");
                EXPECT_TRUE(Button(w, IDC_SEND)->isEnabled());
                EXPECT_EQ(Button(w, IDC_SEND)->text(), "&Send");
                EXPECT_TRUE(Button(w, IDC_DETAILS)->isEnabled());
                EXPECT_TRUE(w.acceptDrops());
                Button(w, IDCANCEL)->click();
            });
        dlg.DoModal();
        // Written as the window went; the state file goes with the object.
        EXPECT_EQ(StoredSetting("HostData", "User"), "member");
        EXPECT_FALSE(std::filesystem::exists(StatePath()));
    }
    EXPECT_TRUE(configured);
    EXPECT_EQ(StoredSetting("HostData", "Host"), "ftp.larkhaven.example");
    EXPECT_EQ(StoredSetting("HostData", "Password"), "secret");
    EXPECT_EQ(StoredSetting("Files", "Folder"), m_site);
    EXPECT_TRUE(std::filesystem::exists(StatePath()));

    struct stat st {};
    ASSERT_EQ(::stat(SettingsPath().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}

TEST_F(MainDlgTest, EmptyStoredValuesAreNotReplacedByDefaults)
{
    StoreSettings("", "member", "", "");
    CMainDlg dlg;
    ModalScript script;
    script.When("Tolvark utility", [&](QWidget& w) {
        EXPECT_EQ(dlg.m_strHost, "");
        EXPECT_EQ(dlg.m_strPageFolder, "");
        EXPECT_EQ(Summary(w), "Folder  0 files to send (0 bytes)\r\n");
        EXPECT_FALSE(Button(w, IDC_SEND)->isEnabled());
        Button(w, IDCANCEL)->click();
    });
    dlg.DoModal();
}

TEST_F(MainDlgTest, ConfigurationRescansOnlyForAnotherFolderAndWritesAllFour)
{
    StoreSettings("ftp.example", "member", "secret", m_site);
    const std::string other = MakeTempFolder();
    WriteFile(other + "/other.htm", "x");
    CMainDlg dlg;
    ModalScript script;
    script.When("Tolvark utility", [&](QWidget& w) {
              Put("late.htm", "new");
              std::filesystem::remove(SettingsPath());
              Button(w, IDC_CONFIGURE)->click();
          })
        .When("Tolvark configuration",
              [&](QWidget& w) {
                  Field(w, IDC_HOST)->setText("ftp.other");
                  Button(w, IDOK)->click();
              })
        .When("Tolvark utility",
              [&](QWidget& w) {
                  // The same folder: no rescan, so the new file is not listed yet.
                  EXPECT_EQ(Summary(w).find("late.htm"), std::string::npos);
                  EXPECT_EQ(StoredSetting("HostData", "Host"), "ftp.other");
                  EXPECT_EQ(StoredSetting("HostData", "User"), "member");
                  EXPECT_EQ(StoredSetting("HostData", "Password"), "secret");
                  EXPECT_EQ(StoredSetting("Files", "Folder"), m_site);
                  Button(w, IDC_CONFIGURE)->click();
              })
        .When("Tolvark configuration",
              [&](QWidget& w) {
                  Field(w, IDC_PAGE_FOLDER)->setText(QString::fromStdString(other));
                  Button(w, IDOK)->click();
              })
        .When("Tolvark utility",
              [&](QWidget& w) {
                  EXPECT_NE(Summary(w).find("other.htm"), std::string::npos);
                  EXPECT_EQ(StoredSetting("Files", "Folder"), other);
                  std::filesystem::remove(SettingsPath());
                  Button(w, IDC_CONFIGURE)->click();
              })
        .When("Tolvark configuration",
              [&](QWidget& w) {
                  Field(w, IDC_HOST)->setText("ignored");
                  QTest::keyClick(&w, Qt::Key_Escape);
              })
        .When("Tolvark utility", [&](QWidget& w) {
            // A cancelled configuration changes and writes nothing.
            EXPECT_EQ(dlg.m_strHost, "ftp.other");
            EXPECT_FALSE(std::filesystem::exists(SettingsPath()));
            Button(w, IDCANCEL)->click();
        });
    dlg.DoModal();
}

TEST_F(MainDlgTest, ADroppedFileProposesItsFolder)
{
    StoreSettings("h", "member", "p", m_site);
    const std::string other = MakeTempFolder();
    WriteFile(other + "/dropped.htm", "x");
    WriteFile(other + "/second.htm", "y");
    CMainDlg dlg;
    ModalScript script;
    script.When("Tolvark utility", [&](QWidget& w) {
        MessageBoxTesting::Answer(IDNO);
        Drop(w, {QString::fromStdString(other + "/dropped.htm")});
        std::vector<Shown> shown = MessageBoxTesting::TakeShown();
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].text, "Are you sure you want to change base folder to " + other + " ?");
        EXPECT_EQ(shown[0].caption, "Confirmation");
        EXPECT_EQ(shown[0].type, MB_YESNO | MB_ICONQUESTION);
        EXPECT_EQ(shown[0].owner, "Tolvark utility");
        EXPECT_EQ(dlg.m_strPageFolder, m_site);

        // Of several files only the first counts; a folder proposes its parent.
        MessageBoxTesting::Answer(IDYES);
        Drop(w, {QString::fromStdString(other + "/sub"), QString::fromStdString(m_site + "/x")});
        shown = MessageBoxTesting::TakeShown();
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(dlg.m_strPageFolder, other);
        EXPECT_NE(Summary(w).find("dropped.htm"), std::string::npos);
        EXPECT_TRUE(Button(w, IDC_SEND)->isEnabled());

        MessageBoxTesting::Answer(IDYES);
        Drop(w, {"/top.htm"});
        EXPECT_EQ(MessageBoxTesting::TakeShown().at(0).text, "Are you sure you want to change base folder to  ?");
        EXPECT_EQ(dlg.m_strPageFolder, "");
        Button(w, IDCANCEL)->click();
    });
    dlg.DoModal();
    // A dropped folder reaches the settings when the window closes.
    EXPECT_EQ(StoredSetting("Files", "Folder"), "");
}

TEST_F(MainDlgTest, LongDroppedPathsAreTakenWhole)
{
    std::string deep = m_site;
    while (deep.size() < 400)
        deep += "/a-folder-with-a-long-name";
    std::filesystem::create_directories(deep);
    StoreSettings("h", "member", "p", m_site);
    CMainDlg dlg;
    ModalScript script;
    script.When("Tolvark utility", [&](QWidget& w) {
        MessageBoxTesting::Answer(IDYES);
        Drop(w, {QString::fromStdString(deep + "/page.htm")});
        EXPECT_EQ(dlg.m_strPageFolder, deep);
        Button(w, IDCANCEL)->click();
    });
    dlg.DoModal();
}

TEST_F(MainDlgTest, SetAsUpToDateRecordsTheFolderAndDisablesSend)
{
    StoreSettings("h", "member", "p", m_site);
    Put("a.htm", "1");
    Put("b.htm", "22");
    CMainDlg dlg;
    ModalScript script;
    script.When("Tolvark utility", [&](QWidget& w) {
        EXPECT_TRUE(Button(w, IDC_SEND)->isEnabled());
        Button(w, IDC_UP_TO_DATE)->click();
        EXPECT_EQ(Summary(w), "Folder " + m_site + " 0 files to send (0 bytes)\r\n");
        EXPECT_FALSE(Button(w, IDC_SEND)->isEnabled());
        std::filesystem::remove(m_site + "/a.htm");
        Button(w, IDC_RESCAN)->click();
        EXPECT_EQ(Summary(w), "Folder " + m_site + " 0 files to send (0 bytes)\r\n\r\nFiles to delete:\r\na.htm\r\n");
        EXPECT_FALSE(Button(w, IDC_SEND)->isEnabled());
        Button(w, IDCANCEL)->click();
    });
    dlg.DoModal();
}

TEST_F(MainDlgTest, DetailsShowsTheSummaryWithItsTabStop)
{
    StoreSettings("h", "member", "p", m_site);
    Put("index.htm", "hello");
    CMainDlg dlg;
    ModalScript script;
    std::string summary;
    script.When("Tolvark utility", [&](QWidget& w) {
              summary = Summary(w);
              const int tab = DialogUnitsToPixelsX(*TextBox(w, IDC_CHANGES), 120);
              EXPECT_EQ(TextBox(w, IDC_CHANGES)->tabStopDistance(), tab);
              EXPECT_TRUE(TextBox(w, IDC_CHANGES)->isReadOnly());
              Button(w, IDC_DETAILS)->click();
          })
        .When("Transfer details",
              [&](QWidget& w) {
                  EXPECT_EQ(TextOf(w, IDC_DETAILS_TEXT), summary);
                  QPlainTextEdit* text = TextBox(w, IDC_DETAILS_TEXT);
                  EXPECT_TRUE(text->isReadOnly());
                  EXPECT_EQ(text->tabStopDistance(), DialogUnitsToPixelsX(*text, 120));
                  const QFontMetrics metrics(text->font());
                  EXPECT_EQ(metrics.horizontalAdvance("iiii"), metrics.horizontalAdvance("WWWW"));
                  EXPECT_FALSE(Button(w, IDCANCEL)->isVisible());
                  QTest::keyClick(&w, Qt::Key_Escape);
                  EXPECT_FALSE(w.isVisible());
              })
        .When("Tolvark utility", [&](QWidget& w) {
            EXPECT_EQ(Summary(w), summary);
            Button(w, IDC_DETAILS)->click();
        })
        .When("Transfer details", [&](QWidget& w) {
            // Enter presses OK, the dialog's default.
            QTest::keyClick(&w, Qt::Key_Return);
            EXPECT_FALSE(w.isVisible());
        })
        .When("Tolvark utility", [&](QWidget& w) { Button(w, IDCANCEL)->click(); });
    dlg.DoModal();
}

TEST_F(MainDlgTest, TheWindowsOwnMenuOpensTheAboutBox)
{
    StoreSettings("h", "member", "p", m_site);
    CMainDlg dlg;
    ModalScript script;
    bool aboutShown = false;
    script.When("Tolvark utility", [&](QWidget& w) {
              QTimer::singleShot(50, [&] {
                  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                  ASSERT_NE(menu, nullptr);
                  QStringList texts;
                  for (QAction* action : menu->actions())
                      texts << (action->isSeparator() ? "-" : action->text());
                  EXPECT_EQ(texts.last(), "&About Tolvark...");
                  EXPECT_EQ(texts[texts.size() - 2], "-");
                  menu->actions().last()->trigger();
                  menu->close();
              });
              QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), w.mapToGlobal(QPoint(5, 5)));
              QApplication::sendEvent(&w, &event);
          })
        .When("About Tolvark",
              [&](QWidget& w) {
                  aboutShown = true;
                  bool version = false;
                  for (QLabel* label : w.findChildren<QLabel*>())
                      version = version || label->text() == "Tolvark Version 1.0";
                  EXPECT_TRUE(version);
                  Button(w, IDOK)->click();
              })
        .When("Tolvark utility", [&](QWidget& w) {
            // Any other command of the menu is the desktop's.
            dlg.OnSysCommand(SC_CLOSE, 0);
            EXPECT_FALSE(w.isVisible());
        });
    dlg.DoModal();
    EXPECT_TRUE(aboutShown);
}

TEST_F(MainDlgTest, MnemonicOfTheGroupMovesToTheSummaryAndHelpAsksForTheWindowsTopic)
{
    StoreSettings("h", "member", "p", m_site);
    CMainDlg dlg;
    ModalScript script;
    script.When("Tolvark utility", [&](QWidget& w) {
        w.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
        // The first control in tab order takes the focus.
        EXPECT_EQ(QApplication::focusWidget(), Button(w, IDCANCEL));
        QTest::keyClick(&w, Qt::Key_A, Qt::AltModifier);
        EXPECT_EQ(QApplication::focusWidget(), TextBox(w, IDC_CHANGES));
        QTest::keyClick(&w, Qt::Key_F1);
        EXPECT_EQ(MessageBoxTesting::TakeShown().size(), 1u);
        Button(w, IDCANCEL)->click();
    });
    dlg.DoModal();
    EXPECT_EQ(TheTestApp().m_helpTopics, (std::vector<std::uint32_t>{0x20081}));
}

TEST_F(MainDlgTest, RunsOnWhenTheSettingsCannotBeWritten)
{
    // A file where the settings folder should be: nothing can be stored.
    const std::string blocked = MakeTempFolder() + "/not-a-folder";
    WriteFile(blocked, "");
    ::setenv("XDG_CONFIG_HOME", blocked.c_str(), 1);
    TheTestApp().SetRegistryKey("Kestrin");
    CMainDlg dlg;
    ModalScript script;
    script.When("Tolvark configuration", [&](QWidget& w) {
              Field(w, IDC_PAGE_FOLDER)->setText(QString::fromStdString(m_site));
              Field(w, IDC_USER)->setText("member");
              Field(w, IDC_PASSWORD)->setText("p");
              Field(w, IDC_REENTER)->setText("p");
              Button(w, IDOK)->click();
          })
        .When("Tolvark utility", [&](QWidget& w) {
            EXPECT_EQ(dlg.m_strUser, "member");
            EXPECT_TRUE(MessageBoxTesting::TakeShown().empty());
            Button(w, IDCANCEL)->click();
        });
    dlg.DoModal();
}

} // namespace
