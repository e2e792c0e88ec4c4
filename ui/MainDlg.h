#pragma once

#include <string>

#include "framework/gui/Controls.h"
#include "framework/gui/Dialog.h"
#include "framework/gui/DropFiles.h"
#include "framework/gui/UiCallQueue.h"
#include "upload/UploadTask.h"

// The program's window: the four settings, the change summary, and the
// commands Rescan, Details, Set as Up to date, Send and Cancel sending,
// Configure and Exit, About in the window's own menu, and a dropped file
// to choose a new page folder. During an upload it shows the run's status
// and progress.
class CMainDlg : public CDialog, public IUploadOwner {
public:
    explicit CMainDlg(CWnd* pParent = nullptr);
    ~CMainDlg() override;

    bool OnInitDialog() override;
    const MessageMap* GetMessageMap() const override;

    void OnRescan();
    void ShowChangeSummary();
    void SaveSettings();

    // Handlers.
    void OnSysCommand(unsigned nID, std::intptr_t lParam);
    void OnDestroy();
    void OnSend();
    void OnConfigure();
    void OnSetUpToDate();
    void OnDropFiles(CDropFiles& drop);
    void OnDetails();

    // The upload run's calls, from the worker thread.
    UploadLogin GetLogin() const override;
    void SetStatusText(const std::string& text) override;
    void ShowProgress(std::int64_t fileDone, std::int64_t fileSize, std::int64_t runDone,
                      std::int64_t runTotal) override;
    void ShowMessage(const std::string& text) override;
    void OnUploadFinished() override;

    std::string m_strHost;
    std::string m_strUser;
    std::string m_strPassword;
    std::string m_strPageFolder;
    CButton m_btnUpToDate;
    CEdit m_editChanges;
    CButton m_btnRescan;
    CButton m_btnConfigure;
    CButton m_btnExit;
    CProgressCtrl m_progressTotal;
    CStatic m_staticTotal;
    CStatic m_staticFile;
    CButton m_btnSend;
    CStatic m_staticStatus;
    CProgressCtrl m_progressFile;
    // Before the task: the worker may still call through it while the task
    // stops.
    CUiCallQueue m_uiCalls;
    CUploadTask m_uploadTask;
    HICON m_hAppIcon;
    // From Send until the window has taken the run's completion: the
    // worker may be gone before then.
    bool m_bSending = false;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void ShowProgressNow(std::int64_t fileDone, std::int64_t fileSize, std::int64_t runDone, std::int64_t runTotal);
    void FinishUpload(bool prune);
};
