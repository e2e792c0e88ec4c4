#pragma once

#include <string>

#include "framework/gui/Controls.h"
#include "framework/gui/Dialog.h"

// Edits the four settings. OK checks them first: the password typed the
// same way twice, and login name, host and password not empty.
class CConfigDlg : public CDialog {
public:
    explicit CConfigDlg(CWnd* pParent = nullptr);
    bool OnInitDialog() override;
    void OnOK() override;

    CButton m_btnCancel;
    CEdit m_editPassword;
    CEdit m_editReenter;
    std::string m_strHost;
    std::string m_strUser;
    std::string m_strPassword;
    std::string m_strPageFolder;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    bool ValidateInput();
};
