#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>
#include <string>

#include "framework/gui/MessageBox.h"
#include "tests/gui/ModalScript.h"
#include "tests/gui/TestApp.h"

// Each window test gets its own settings store, state folder and page
// folder, and has its message boxes answered from a queue, never shown.
class GuiTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // What the program keeps in its settings store, read from the file.
    std::string StoredSetting(const char* section, const char* entry) const;
    bool HasStoredSetting(const char* section, const char* entry) const;
    std::string SettingsPath() const;
    void StoreSettings(const std::string& host, const std::string& user, const std::string& password,
                       const std::string& folder);
    std::string StatePath() const;
    // A file of the page folder.
    void Put(const std::string& name, const std::string& content) const;

    std::string m_site; // a page folder of its own
};

// Shortcuts into a dialog's controls.
QPushButton* Button(QWidget& window, int id);
QLineEdit* Field(QWidget& window, int id);
QPlainTextEdit* TextBox(QWidget& window, int id);
std::string TextOf(QWidget& window, int id);
// Drags local files onto the window and drops them there.
void Drop(QWidget& window, const QStringList& paths);
