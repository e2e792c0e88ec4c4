// Saves a picture of every dialog, as the user would see it, to compare
// with the dialog templates: dialog_snapshots OUTPUT-FOLDER
// Settings and state go to a temporary home, never the user's own.
#include <QApplication>
#include <QDir>
#include <QTimer>
#include <QWidget>
#include <cstdlib>
#include <fstream>

#include "app/SyncApp.h"
#include "framework/gui/Resources.h"
#include "res/ProgramResources.h"
#include "ui/AboutDlg.h"
#include "ui/ConfigDlg.h"
#include "ui/DetailsDlg.h"
#include "ui/MainDlg.h"

namespace {

// Saves the dialog on the screen once it has painted, then closes it.
void SnapshotWhenShown(CDialog& dialog, const QString& file)
{
    QTimer::singleShot(300, [&dialog, file] {
        if (QWidget* window = dialog.GetSafeHwnd())
            window->grab().save(file);
        dialog.EndDialog(IDOK);
    });
}

class SnapshotApp : public CSyncApp {
public:
    explicit SnapshotApp(QString out) : m_out(std::move(out)) {}

    bool InitInstance() override
    {
        SetRegistryKey("Kestrin");
        const QString site = QDir::tempPath() + "/tolvark-snapshot-site";
        QDir().mkpath(site);
        for (const char* name : {"index.htm", "logo.gif", "a-rather-long-file-name-for-the-column.htm"})
            std::ofstream(site.toStdString() + "/" + name) << "sample " << name;
        WriteProfileString("HostData", "User", "member");
        WriteProfileString("HostData", "Password", "secret");
        WriteProfileString("Files", "Folder", site.toStdString());

        CMainDlg main;
        m_pMainWnd = &main;
        QTimer::singleShot(300, [this, &main] {
            main.GetSafeHwnd()->grab().save(m_out + "/main.png");
            CConfigDlg config;
            config.m_strHost = "ftp.larkhaven.example";
            config.m_strUser = "member";
            config.m_strPassword = "secret";
            config.m_strPageFolder = "/home/member/site";
            SnapshotWhenShown(config, m_out + "/config.png");
            config.DoModal();
            CDetailsDlg details;
            details.m_strText = main.m_editChanges.GetWindowText();
            SnapshotWhenShown(details, m_out + "/details.png");
            details.DoModal();
            CAboutDlg about;
            SnapshotWhenShown(about, m_out + "/about.png");
            about.DoModal();
            main.EndDialog(IDCANCEL);
        });
        main.DoModal();
        m_pMainWnd = nullptr;
        return false;
    }

private:
    QString m_out;
};

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    SnapshotApp app(out);
    AfxSetResources(ProgramResources());
    return AfxWinMain(argc, argv);
}
