#include "framework/gui/WinApp.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "framework/gui/Dialog.h"
#include "framework/gui/DialogWindow.h"
#include "framework/gui/MessageBox.h"
#include "framework/gui/QtText.h"
#include "framework/gui/Resources.h"
#include "framework/net/InternetSession.h"

namespace {

CWinApp* g_app = nullptr;

QString KeyOf(const std::string& section, const std::string& entry)
{
    return ToQString(section) + QLatin1Char('/') + ToQString(entry);
}

// The store holds a password in plain text: only its owner may read it,
// from before the first byte is written.
void RestrictToOwner(const QString& path)
{
    const QByteArray file = QFile::encodeName(path);
    QDir().mkpath(QFileInfo(path).absolutePath());
    const int fd = ::open(file.constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
    if (fd >= 0)
        ::close(fd);
    ::chmod(file.constData(), 0600);
}

} // namespace

CWinApp::CWinApp()
{
    g_app = this;
}

CWinApp::~CWinApp()
{
    if (g_app == this)
        g_app = nullptr;
}

// The user's settings folder is looked up anew each time, not from Qt's
// cache of it, so that the store follows $XDG_CONFIG_HOME as it is now.
void CWinApp::SetRegistryKey(const std::string& company)
{
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    const QString base = xdg && xdg[0] == '/' ? QFile::decodeName(xdg) : QDir::homePath() + "/.config";
    const QString path = base + QLatin1Char('/') + ToQString(company) + QLatin1Char('/') + ToQString(m_strAppName)
                       + ".conf";
    m_settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
}

std::string CWinApp::GetProfileString(const std::string& section, const std::string& entry, const char* def)
{
    const std::string fallback = def ? def : "";
    if (!m_settings)
        return fallback;
    const QVariant value = m_settings->value(KeyOf(section, entry));
    return value.isValid() ? ToStdString(value.toString()) : fallback;
}

bool CWinApp::WriteProfileString(const std::string& section, const std::string& entry, const std::string& value)
{
    if (!m_settings)
        return false;
    RestrictToOwner(m_settings->fileName());
    m_settings->setValue(KeyOf(section, entry), ToQString(value));
    m_settings->sync();
    ::chmod(QFile::encodeName(m_settings->fileName()).constData(), 0600);
    return m_settings->status() == QSettings::NoError;
}

bool CWinApp::WinHelp(std::uint32_t, unsigned command)
{
    if (command == HELP_QUIT)
        return true;
    AfxMessageBox("Failed to launch help.", MB_OK | MB_ICONEXCLAMATION);
    return false;
}

void CWinApp::OnHelp()
{
    constexpr std::uint32_t dialogTopics = 0x20000;
    auto* dialog = dynamic_cast<DialogWindow*>(QApplication::activeModalWidget());
    if (!dialog && m_pMainWnd)
        dialog = dynamic_cast<DialogWindow*>(m_pMainWnd->GetSafeHwnd());
    if (dialog)
        WinHelp(dialogTopics + static_cast<std::uint32_t>(dialog->Owner().GetTemplateId()));
}

CWinApp* AfxGetApp()
{
    return g_app;
}

CWnd* AfxGetMainWnd()
{
    return g_app ? g_app->m_pMainWnd : nullptr;
}

std::string AfxGetAppName()
{
    return g_app ? g_app->m_strAppName : std::string();
}

std::string ApplicationNameOf(const std::string& programPath)
{
    return ToStdString(QFileInfo(ToQString(programPath)).completeBaseName());
}

bool AfxSocketInit()
{
    return InitInternet();
}

void AfxSendHelpCommand()
{
    const CMessage help{WM_COMMAND, ID_HELP};
    if (auto* main = dynamic_cast<CDialog*>(AfxGetMainWnd()); main && main->GetSafeHwnd()) {
        if (main->OnCmdMsg(help))
            return;
    }
    if (CWinApp* app = AfxGetApp())
        app->OnCmdMsg(help);
}

int AfxWinMain(int argc, char** argv)
{
    QApplication application(argc, argv);
    CWinApp* app = AfxGetApp();
    if (!app)
        return 1;
    const QString program = QCoreApplication::applicationFilePath();
    app->m_strAppName = ApplicationNameOf(ToStdString(program));
    QApplication::setApplicationName(ToQString(app->m_strAppName));
    QApplication::setApplicationVersion(ToQString(AfxGetVersion().productVersion));
    app->InitInstance();
    return 0;
}
