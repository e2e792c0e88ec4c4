#include <QTest>

#include "framework/gui/WinApp.h"
#include "res/ResourceIds.h"
#include "tests/gui/GuiTest.h"
#include "ui/AboutDlg.h"
#include "ui/DetailsDlg.h"

namespace {

TEST(ApplicationNameTest, IsTheProgramsFileNameWithoutFolderAndLastExtension)
{
    const std::pair<const char*, const char*> cases[] = {
        {"/usr/bin/TOLVARK", "TOLVARK"},
        {"/opt/x/X.EXE", "X"},
        {"/a/b.c.d", "b.c"},
        {"relative/tolvark", "tolvark"},
    };
    for (const auto& [path, name] : cases)
        EXPECT_EQ(ApplicationNameOf(path), name) << path;
}

class SmallDialogsTest : public GuiTest {};

TEST_F(SmallDialogsTest, EachDialogAsksForItsOwnHelpTopic)
{
    CDetailsDlg details;
    details.m_strText = "Folder /w 0 files to send (0 bytes)\r\n";
    {
        ModalScript script;
        script.When("Transfer details", [&](QWidget& w) {
            EXPECT_EQ(TextOf(w, IDC_DETAILS_TEXT), details.m_strText);
            QTest::keyClick(&w, Qt::Key_F1);
            Button(w, IDOK)->click();
        });
        EXPECT_EQ(details.DoModal(), IDOK);
    }
    CAboutDlg about;
    {
        ModalScript script;
        script.When("About Tolvark", [&](QWidget& w) {
            QTest::keyClick(&w, Qt::Key_F1);
            // No Cancel button: Escape still closes it.
            QTest::keyClick(&w, Qt::Key_Escape);
            EXPECT_FALSE(w.isVisible());
        });
        about.DoModal();
    }
    EXPECT_EQ(TheTestApp().m_helpTopics, (std::vector<std::uint32_t>{0x20083, 0x20064}));
    EXPECT_EQ(MessageBoxTesting::TakeShown().size(), 2u);
}

TEST_F(SmallDialogsTest, TheAboutBoxClosesFromItsCloseBox)
{
    CAboutDlg about;
    ModalScript script;
    script.When("About Tolvark", [&](QWidget& w) {
        w.close();
        EXPECT_FALSE(w.isVisible());
    });
    EXPECT_EQ(about.DoModal(), IDCANCEL);
}

} // namespace
