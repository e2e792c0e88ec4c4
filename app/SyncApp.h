#pragma once

#include "framework/gui/WinApp.h"

// The application: starts the network layer, selects the settings store
// and runs the main window until the user closes it.
class CSyncApp : public CWinApp {
public:
    bool InitInstance() override;
    const MessageMap* GetMessageMap() const override;
};
