#include "framework/gui/Dialog.h"

#include <QIcon>
#include <QPixmap>

#include "framework/gui/DialogWindow.h"
#include "framework/gui/WinApp.h"

CDialog::CDialog(int templateId, CWnd* pParent) : m_templateId(templateId), m_pParentWnd(pParent) {}

CDialog::~CDialog() = default;

const MessageMap* CDialog::GetMessageMap() const
{
    static const MessageMap map{CCmdTarget::GetMessageMap(),
                                {
                                    ON_COMMAND<&CDialog::OnOK>(IDOK),
                                    ON_COMMAND<&CDialog::OnCancel>(IDCANCEL),
                                }};
    return &map;
}

int CDialog::DoModal()
{
    // A dialog without a parent belongs to the main window while that is
    // on the screen, and is centred over it; otherwise on the screen.
    CWnd* owner = m_pParentWnd ? m_pParentWnd : AfxGetMainWnd();
    QWidget* parent = owner && owner != this && owner->IsWindowVisible() ? owner->GetSafeHwnd() : nullptr;

    DialogWindow window(*this, AfxFindDialogTemplate(m_templateId), parent);
    m_window = &window;
    Attach(&window);
    m_ended = false;
    m_result = IDCANCEL;
    if (OnInitDialog())
        window.FocusFirstTabStop();
    if (!m_ended)
        m_result = window.exec();

    Dispatch({WM_DESTROY});
    m_window = nullptr;
    Attach(nullptr);
    return m_result;
}

bool CDialog::OnInitDialog()
{
    UpdateData(false);
    return true;
}

void CDialog::OnOK()
{
    if (UpdateData(true))
        EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::EndDialog(int result)
{
    m_result = result;
    m_ended = true;
    if (m_window)
        m_window->done(result);
}

bool CDialog::UpdateData(bool saveAndValidate)
{
    CDataExchange dx{this, saveAndValidate};
    DoDataExchange(&dx);
    return true;
}

void CDialog::DoDataExchange(CDataExchange*) {}

QWidget* CDialog::GetDlgItem(int id) const
{
    return m_window ? m_window->Control(id) : nullptr;
}

CMenu* CDialog::GetSystemMenu(bool)
{
    return &m_systemMenu;
}

void CDialog::SetIcon(HICON icon, bool)
{
    // One icon serves every size here.
    if (m_window && icon)
        m_window->setWindowIcon(QIcon(QPixmap(icon)));
}

void CDialog::DragAcceptFiles(bool accept)
{
    if (m_window)
        m_window->setAcceptDrops(accept);
}

void CDialog::OnSysCommand(unsigned id, std::intptr_t)
{
    if (id == SC_MINIMIZE && m_window)
        m_window->showMinimized();
    else if (id == SC_CLOSE)
        OnCloseRequest();
}

void CDialog::OnCloseRequest()
{
    if (QWidget* cancel = GetDlgItem(IDCANCEL); cancel && !cancel->isEnabled())
        return;
    Dispatch({WM_COMMAND, IDCANCEL});
}

void CDialog::Dispatch(const CMessage& msg)
{
    if (OnCmdMsg(msg))
        return;
    if (msg.message == WM_COMMAND) {
        if (CWinApp* app = AfxGetApp())
            app->OnCmdMsg(msg);
    } else if (msg.message == WM_SYSCOMMAND) {
        OnSysCommand(msg.id, msg.lParam);
    }
}
