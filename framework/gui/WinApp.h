#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "framework/gui/CmdTarget.h"

class CWnd;
class QSettings;

// The one application object. Its constructor makes it the program's
// application; AfxWinMain then starts the framework and calls
// InitInstance, which carries the whole life of the program.
class CWinApp : public CCmdTarget {
public:
    CWinApp();
    ~CWinApp() override;

    virtual bool InitInstance() = 0;

    // Selects the settings store: the user's settings of this company and
    // application (a file that only its owner may read, since it holds a
    // password).
    void SetRegistryKey(const std::string& company);
    // The stored text, also when empty; def (null for empty) when there is
    // none or no store.
    std::string GetProfileString(const std::string& section, const std::string& entry, const char* def = nullptr);
    // False when the text could not be stored.
    bool WriteProfileString(const std::string& section, const std::string& entry, const std::string& value);

    // Asks the help viewer for a topic; there is none here, so asking for a
    // topic reports "Failed to launch help." and quitting does nothing.
    virtual bool WinHelp(std::uint32_t data, unsigned command = HELP_CONTEXT);
    // The Help command: the topic of the dialog that has the focus.
    void OnHelp();

    std::string m_strAppName;
    CWnd* m_pMainWnd = nullptr;

private:
    std::unique_ptr<QSettings> m_settings;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
std::string AfxGetAppName();
// The file name of a program without its folder and its last extension.
std::string ApplicationNameOf(const std::string& programPath);
// Starts the network layer; false when it cannot.
bool AfxSocketInit();
// Sends the Help command to the main window, from where it reaches the
// application.
void AfxSendHelpCommand();

// Starts the framework around the application object and runs it.
int AfxWinMain(int argc, char** argv);
