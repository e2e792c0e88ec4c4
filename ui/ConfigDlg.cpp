#include "ui/ConfigDlg.h"

#include "res/ProgramResources.h"
#include "res/ResourceIds.h"

CConfigDlg::CConfigDlg(CWnd* pParent) : CDialog(IDD_CONFIG_DIALOG, pParent) {}

void CConfigDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDCANCEL, m_btnCancel);
    DDX_Control(pDX, IDC_PASSWORD, m_editPassword);
    DDX_Control(pDX, IDC_REENTER, m_editReenter);
    DDX_Text(pDX, IDC_HOST, m_strHost);
    DDX_Text(pDX, IDC_USER, m_strUser);
    DDX_Text(pDX, IDC_PASSWORD, m_strPassword);
    DDX_Text(pDX, IDC_PAGE_FOLDER, m_strPageFolder);
}

bool CConfigDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_editReenter.SetWindowText(m_strPassword);
    // Decided once: the user cannot back out before the login is complete.
    if (m_strUser.empty() || m_strPassword.empty() || m_strHost.empty())
        m_btnCancel.EnableWindow(false);
    return true;
}

void CConfigDlg::OnOK()
{
    if (ValidateInput())
        CDialog::OnOK();
}

bool CConfigDlg::ValidateInput()
{
    UpdateData(true);
    if (m_editReenter.GetWindowText() != m_strPassword) {
        MessageBox("Passwords you have entered are different\nPlease try again", "Error entering password",
                   MB_OK | MB_ICONSTOP);
        return false;
    }
    std::string problem;
    if (m_strUser.empty())
        problem = "You MUST enter valid name";
    else if (m_strHost.empty())
        problem = std::string("You MUST enter valid host name\n(like ") + kDefaultHost + ")";
    else if (m_strPassword.empty())
        problem = "You MUST enter your password";
    if (problem.empty())
        return true;
    MessageBox(problem, nullptr, MB_OK | MB_ICONSTOP);
    return false;
}
