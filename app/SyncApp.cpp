#include "app/SyncApp.h"

#include "framework/gui/MessageBox.h"
#include "framework/gui/Resources.h"
#include "res/ResourceIds.h"
#include "ui/MainDlg.h"

const MessageMap* CSyncApp::GetMessageMap() const
{
    static const MessageMap map{CWinApp::GetMessageMap(), {ON_COMMAND<&CWinApp::OnHelp>(ID_HELP)}};
    return &map;
}

// Returns false in every case: the program ends when its window closes.
bool CSyncApp::InitInstance()
{
    if (!AfxSocketInit()) {
        AfxMessageBox(AfxLoadString(IDP_SOCKETS_INIT_FAILED), MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    SetRegistryKey("Kestrin");

    CMainDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    // The window is gone; the state file is written as dlg goes.
    m_pMainWnd = nullptr;
    return false;
}
