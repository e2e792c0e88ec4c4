#pragma once

#include <memory>

#include "framework/gui/DataExchange.h"
#include "framework/gui/Menu.h"
#include "framework/gui/Resources.h"
#include "framework/gui/Wnd.h"

class DialogWindow;

// A modal dialog made from a dialog template of the resources. The window
// exists from DoModal's start to its end; the object outlives it.
class CDialog : public CWnd {
public:
    explicit CDialog(int templateId, CWnd* pParent = nullptr);
    ~CDialog() override;

    // Creates the window, runs it until EndDialog and returns its result.
    virtual int DoModal();
    // The framework's part binds and fills the controls through
    // DoDataExchange. True puts the focus on the first control in tab order.
    virtual bool OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    void EndDialog(int result);

    // From the controls (true) or into them (false).
    bool UpdateData(bool saveAndValidate = true);
    // Null when the dialog has no control of that ID or no window.
    QWidget* GetDlgItem(int id) const;

    CMenu* GetSystemMenu(bool revert);
    void SetIcon(HICON icon, bool big);
    void DragAcceptFiles(bool accept = true);
    // The desktop's default for a command of the window's own menu.
    void OnSysCommand(unsigned id, std::intptr_t lParam);

    int GetTemplateId() const { return m_templateId; }
    const MessageMap* GetMessageMap() const override;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);

private:
    friend class DialogWindow;
    // A message from the window: the dialog's map, then for commands the
    // application's.
    void Dispatch(const CMessage& msg);
    // Escape and the close box give the Cancel command, unless its button
    // is disabled.
    void OnCloseRequest();

    int m_templateId;
    CWnd* m_pParentWnd;
    CMenu m_systemMenu;
    DialogWindow* m_window = nullptr;
    int m_result = IDCANCEL;
    bool m_ended = false;
};
