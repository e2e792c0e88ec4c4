#pragma once

#include <string>

#include "framework/gui/Controls.h"
#include "framework/gui/Dialog.h"

// The change summary in a larger box, in a fixed-pitch font.
class CDetailsDlg : public CDialog {
public:
    explicit CDetailsDlg(CWnd* pParent = nullptr);
    bool OnInitDialog() override;

    CEdit m_editText;
    std::string m_strText; // lines ended by CR LF

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
