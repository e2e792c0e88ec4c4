#include "ui/DetailsDlg.h"

#include "res/ResourceIds.h"
#include "ui/SummaryTabStop.h"

CDetailsDlg::CDetailsDlg(CWnd* pParent) : CDialog(IDD_DETAILS_DIALOG, pParent) {}

void CDetailsDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_DETAILS_TEXT, m_editText);
    DDX_Text(pDX, IDC_DETAILS_TEXT, m_strText);
}

bool CDetailsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_editText.SetTabStops(kSummaryTabStop);
    return true;
}
