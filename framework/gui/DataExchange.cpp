#include "framework/gui/DataExchange.h"

#include "framework/gui/Dialog.h"

void DDX_Control(CDataExchange* pDX, int id, CWnd& control)
{
    if (!control.GetSafeHwnd())
        control.Attach(pDX->m_pDlgWnd->GetDlgItem(id));
}

void DDX_Text(CDataExchange* pDX, int id, std::string& value)
{
    CWnd field;
    field.Attach(pDX->m_pDlgWnd->GetDlgItem(id));
    if (pDX->m_bSaveAndValidate)
        value = field.GetWindowText();
    else
        field.SetWindowText(value);
}
