#include "tests/gui/GuiTest.h"

#include <QLabel>
#include <QSettings>
#include <cstdlib>

#include "framework/gui/QtText.h"
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
    QWidget* control = ControlOf<QWidget>(window, id);
    if (auto* label = qobject_cast<QLabel*>(control))
        return ToStdString(label->text());
    if (auto* edit = qobject_cast<QPlainTextEdit*>(control))
        return ToStdString(ToCrLf(edit->toPlainText()));
    if (auto* field = qobject_cast<QLineEdit*>(control))
        return ToStdString(field->text());
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        return ToStdString(button->text());
    return {};
}
