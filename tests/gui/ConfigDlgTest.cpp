#include <QTest>

#include "res/ResourceIds.h"
#include "tests/gui/GuiTest.h"
#include "ui/ConfigDlg.h"

namespace {

using Shown = MessageBoxTesting::Shown;

class ConfigDlgTest : public GuiTest {
protected:
    // Opens the dialog with the four texts and runs step inside it.
    int Run(const std::vector<std::string>& texts, std::function<void(QWidget&)> step)
    {
        m_dlg.m_strHost = texts[0];
        m_dlg.m_strUser = texts[1];
        m_dlg.m_strPassword = texts[2];
        m_dlg.m_strPageFolder = texts[3];
        ModalScript script;
        script.When("Tolvark configuration", [&](QWidget& w) {
            step(w);
            if (w.isVisible())
                m_dlg.EndDialog(IDCANCEL);
        });
        return m_dlg.DoModal();
    }

    static void Fill(QWidget& w, const std::string& host, const std::string& user, const std::string& password,
                     const std::string& reenter)
    {
        Field(w, IDC_HOST)->setText(QString::fromStdString(host));
        Field(w, IDC_USER)->setText(QString::fromStdString(user));
        Field(w, IDC_PASSWORD)->setText(QString::fromStdString(password));
        Field(w, IDC_REENTER)->setText(QString::fromStdString(reenter));
    }

    // Presses OK and returns the message boxes it showed.
    static std::vector<Shown> PressOk(QWidget& w)
    {
        Button(w, IDOK)->click();
        return MessageBoxTesting::TakeShown();
    }

    CConfigDlg m_dlg;
};

const unsigned kStop = MB_OK | MB_ICONSTOP;

TEST_F(ConfigDlgTest, ReportsTheFirstFailingCheckOnEachPress)
{
    struct Case {
        const char* what;
        std::string host, user, password, reenter;
        Shown expected;
    };
    const Shown passwords{"Passwords you have entered are different\nPlease try again", "Error entering password",
                          kStop, "Tolvark configuration"};
    const std::vector<Case> cases = {
        {"passwords differ, and no name", "h", "", "a", "b", passwords},
        {"passwords differ in letter case", "h", "u", "Secret", "secret", passwords},
        {"no name", "h", "", "a", "a", {"You MUST enter valid name", "TOLVARK", kStop, "Tolvark configuration"}},
        {"no host", "", "u", "a", "a",
         {"You MUST enter valid host name\n(like ftp.larkhaven.example)", "TOLVARK", kStop,
          "Tolvark configuration"}},
        {"no password at all", "h", "u", "", "",
         {"You MUST enter your password", "TOLVARK", kStop, "Tolvark configuration"}},
    };
    const int result = Run({"", "", "", "/site"}, [&](QWidget& w) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.what);
            Fill(w, c.host, c.user, c.password, c.reenter);
            const std::vector<Shown> shown = PressOk(w);
            ASSERT_EQ(shown.size(), 1u);
            EXPECT_EQ(shown[0].text, c.expected.text);
            EXPECT_EQ(shown[0].caption, c.expected.caption);
            EXPECT_EQ(shown[0].type, c.expected.type);
            EXPECT_EQ(shown[0].owner, c.expected.owner);
            EXPECT_TRUE(w.isVisible());
            // The entries stay as the user left them.
            EXPECT_EQ(Field(w, IDC_REENTER)->text().toStdString(), c.reenter);
        }
    });
    EXPECT_EQ(result, IDCANCEL);
}

TEST_F(ConfigDlgTest, OkHandsBackExactlyWhatTheFieldsHold)
{
    const int result = Run({"", "", "", "/old"}, [&](QWidget& w) {
        Fill(w, " ", "  name ", " ", " ");
        Field(w, IDC_PAGE_FOLDER)->setText("");
        EXPECT_TRUE(PressOk(w).empty());
        EXPECT_FALSE(w.isVisible());
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(m_dlg.m_strHost, " ");
    EXPECT_EQ(m_dlg.m_strUser, "  name ");
    EXPECT_EQ(m_dlg.m_strPassword, " ");
    EXPECT_EQ(m_dlg.m_strPageFolder, "");
}

TEST_F(ConfigDlgTest, OpensWithTheStoredPasswordTypedTwice)
{
    const int result = Run({"ftp.example", "user", "p\xC3\xA4ss", "/site"}, [&](QWidget& w) {
        EXPECT_EQ(Field(w, IDC_PAGE_FOLDER)->text(), "/site");
        EXPECT_EQ(Field(w, IDC_HOST)->text(), "ftp.example");
        EXPECT_EQ(Field(w, IDC_REENTER)->text(), QString::fromUtf8("p\xC3\xA4ss"));
        EXPECT_EQ(Field(w, IDC_PASSWORD)->echoMode(), QLineEdit::Password);
        EXPECT_EQ(Field(w, IDC_REENTER)->echoMode(), QLineEdit::Password);
        EXPECT_TRUE(PressOk(w).empty());
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(m_dlg.m_strPassword, "p\xC3\xA4ss");
}

TEST_F(ConfigDlgTest, CancelIsDisabledWhileTheLoginIsIncompleteAtOpening)
{
    for (int missing = 0; missing < 3; ++missing) {
        SCOPED_TRACE(missing);
        std::vector<std::string> texts = {"h", "u", "p", ""};
        texts[missing].clear();
        CConfigDlg dlg;
        dlg.m_strHost = texts[0];
        dlg.m_strUser = texts[1];
        dlg.m_strPassword = texts[2];
        ModalScript script;
        script.When("Tolvark configuration", [&](QWidget& w) {
            EXPECT_FALSE(Button(w, IDCANCEL)->isEnabled());
            // Escape and the close box give Cancel, which is disabled.
            QTest::keyClick(&w, Qt::Key_Escape);
            w.close();
            EXPECT_TRUE(w.isVisible());
            dlg.EndDialog(IDCANCEL);
        });
        dlg.DoModal();
    }
}

TEST_F(ConfigDlgTest, CancelStaysEnabledAndEscapeCancels)
{
    const int result = Run({"h", "u", "p", "/site"}, [&](QWidget& w) {
        Field(w, IDC_USER)->setText("");
        EXPECT_TRUE(Button(w, IDCANCEL)->isEnabled());
        const std::vector<Shown> shown = PressOk(w);
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].text, "You MUST enter valid name");
        QTest::keyClick(&w, Qt::Key_Escape);
        EXPECT_FALSE(w.isVisible());
    });
    EXPECT_EQ(result, IDCANCEL);
}

TEST_F(ConfigDlgTest, FocusStartsOnThePageFolderAndTheLabelMnemonicReturnsThere)
{
    Run({"h", "u", "p", "/site"}, [&](QWidget& w) {
        w.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
        EXPECT_EQ(QApplication::focusWidget(), Field(w, IDC_PAGE_FOLDER));
        Field(w, IDC_USER)->setFocus();
        QTest::keyClick(&w, Qt::Key_P, Qt::AltModifier);
        EXPECT_EQ(QApplication::focusWidget(), Field(w, IDC_PAGE_FOLDER));
        // Tab follows the template's order.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), Field(w, IDC_HOST));
    });
}

TEST_F(ConfigDlgTest, HelpAsksForTheDialogsTopic)
{
    Run({"h", "u", "p", "/site"}, [&](QWidget& w) {
        QTest::keyClick(&w, Qt::Key_F1);
        const std::vector<Shown> shown = MessageBoxTesting::TakeShown();
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].text, "Failed to launch help.");
    });
    EXPECT_EQ(TheTestApp().m_helpTopics, (std::vector<std::uint32_t>{0x20082}));
}

} // namespace
