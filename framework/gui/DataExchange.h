#pragma once

#include <string>

class CDialog;
class CWnd;

// Which way DoDataExchange copies: into the controls, or from them.
struct CDataExchange {
    CDialog* m_pDlgWnd;
    bool m_bSaveAndValidate;
};

// Binds a wrapper to the dialog's control of that ID.
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);
// Copies a control's whole text to or from a member.
void DDX_Text(CDataExchange* pDX, int id, std::string& value);
