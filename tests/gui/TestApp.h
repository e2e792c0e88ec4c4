#pragma once

#include <cstdint>
#include <vector>

#include "app/SyncApp.h"

// The program's application object, named as the program is, that keeps
// the help topics asked for.
class TestApp : public CSyncApp {
public:
    TestApp() { m_strAppName = "TOLVARK"; }
    bool WinHelp(std::uint32_t data, unsigned command) override
    {
        if (command == HELP_CONTEXT)
            m_helpTopics.push_back(data);
        return CSyncApp::WinHelp(data, command);
    }
    std::vector<std::uint32_t> m_helpTopics;
};

inline TestApp& TheTestApp()
{
    return static_cast<TestApp&>(*AfxGetApp());
}
