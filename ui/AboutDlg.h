#pragma once

#include "framework/gui/Dialog.h"

// The About box: the icon, the name and version, and the notice.
class CAboutDlg : public CDialog {
public:
    CAboutDlg();
};
