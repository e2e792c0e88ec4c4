#include "tests/gui/GuiTest.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QSettings>
#include <QUrl>
#include <cstdlib>

#include "framework/gui/Wnd.h"
#include "tests/support/TestFiles.h"

void GuiTest::SetUp()
{
    ::setenv("XDG_CONFIG_HOME", MakeTempFolder().c_str(), 1);
    UseFreshStateFolder();
    TheTestApp().SetRegistryKey("Kestrin");
    TheTestApp().m_helpTopics.clear();
    MessageBoxTesting::StartAnswering();
    m_site = MakeTempFolder();
}

void GuiTest::TearDown()
{
    MessageBoxTesting::StopAnswering();
}

std::string GuiTest::SettingsPath() const
{
    return std::string(std::getenv("XDG_CONFIG_HOME")) + "/Kestrin/TOLVARK.conf";
}

std::string GuiTest::StatePath() const
{
    return std::string(std::getenv("XDG_STATE_HOME")) + "/Tolvark.cfg";
}

std::string GuiTest::StoredSetting(const char* section, const char* entry) const
{
    QSettings file(QString::fromStdString(SettingsPath()), QSettings::IniFormat);
    return file.value(QString(section) + "/" + entry).toString().toStdString();
}

bool GuiTest::HasStoredSetting(const char* section, const char* entry) const
{
    QSettings file(QString::fromStdString(SettingsPath()), QSettings::IniFormat);
    return file.contains(QString(section) + "/" + entry);
}

void GuiTest::StoreSettings(const std::string& host, const std::string& user, const std::string& password,
                            const std::string& folder)
{
    CWinApp& app = TheTestApp();
    app.WriteProfileString("HostData", "Host", host);
    app.WriteProfileString("HostData", "User", user);
    app.WriteProfileString("HostData", "Password", password);
    app.WriteProfileString("Files", "Folder", folder);
}

QPushButton* Button(QWidget& window, int id)
{
    return ControlOf<QPushButton>(window, id);
}

QLineEdit* Field(QWidget& window, int id)
{
    return ControlOf<QLineEdit>(window, id);
}

QPlainTextEdit* TextBox(QWidget& window, int id)
{
    return ControlOf<QPlainTextEdit>(window, id);
}

std::string TextOf(QWidget& window, int id)
{
    CWnd control;
    control.Attach(ControlOf<QWidget>(window, id));
    return control.GetWindowText();
}

void Drop(QWidget& window, const QStringList& paths)
{
    QMimeData mime;
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls.push_back(QUrl::fromLocalFile(path));
    mime.setUrls(urls);
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &drop);
}

void GuiTest::Put(const std::string& name, const std::string& content) const
{
    WriteFile(m_site + "/" + name, content);
}
