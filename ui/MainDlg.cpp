#include "ui/MainDlg.h"

#include "framework/gui/WinApp.h"
#include "res/ProgramResources.h"
#include "res/ResourceIds.h"
#include "ui/AboutDlg.h"
#include "ui/ChangeSummary.h"
#include "ui/ConfigDlg.h"
#include "ui/DetailsDlg.h"
#include "ui/SummaryTabStop.h"
#include "upload/ProgressFormat.h"

namespace {

constexpr const char* kTitle = "Tolvark utility";

std::string ReadSetting(const char* section, const char* entry, const char* def)
{
    CWinApp* app = AfxGetApp();
    return app ? app->GetProfileString(section, entry, def) : std::string(def ? def : "");
}

void WriteSetting(const char* section, const char* entry, const std::string& value)
{
    if (CWinApp* app = AfxGetApp())
        app->WriteProfileString(section, entry, value);
}

// Sets a text only when it differs from the one shown.
void SetTextIfChanged(CWnd& wnd, const std::string& text)
{
    if (wnd.GetWindowText() != text)
        wnd.SetWindowText(text);
}

} // namespace

CMainDlg::CMainDlg(CWnd* pParent)
    : CDialog(IDD_MAIN_DIALOG, pParent), m_uploadTask(this), m_hAppIcon(AfxLoadIcon(IDR_MAINFRAME))
{
}

// The worker may be waiting for this window: let it go before stopping it.
CMainDlg::~CMainDlg()
{
    m_uiCalls.Close();
}

const MessageMap* CMainDlg::GetMessageMap() const
{
    static const MessageMap map{CDialog::GetMessageMap(),
                                {
                                    ON_WM_SYSCOMMAND<&CMainDlg::OnSysCommand>(),
                                    ON_WM_DESTROY<&CMainDlg::OnDestroy>(),
                                    ON_BN_CLICKED<&CMainDlg::OnSend>(IDC_SEND),
                                    ON_BN_CLICKED<&CMainDlg::OnConfigure>(IDC_CONFIGURE),
                                    ON_BN_CLICKED<&CMainDlg::OnRescan>(IDC_RESCAN),
                                    ON_BN_CLICKED<&CMainDlg::OnSetUpToDate>(IDC_UP_TO_DATE),
                                    ON_WM_DROPFILES<&CMainDlg::OnDropFiles>(),
                                    ON_BN_CLICKED<&CMainDlg::OnDetails>(IDC_DETAILS),
                                }};
    return &map;
}

void CMainDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_UP_TO_DATE, m_btnUpToDate);
    DDX_Control(pDX, IDC_CHANGES, m_editChanges);
    DDX_Control(pDX, IDC_RESCAN, m_btnRescan);
    DDX_Control(pDX, IDC_CONFIGURE, m_btnConfigure);
    DDX_Control(pDX, IDCANCEL, m_btnExit);
    DDX_Control(pDX, IDC_PROGRESS_TOTAL, m_progressTotal);
    DDX_Control(pDX, IDC_TOTAL_FIGURES, m_staticTotal);
    DDX_Control(pDX, IDC_FILE_FIGURES, m_staticFile);
    DDX_Control(pDX, IDC_SEND, m_btnSend);
    DDX_Control(pDX, IDC_STATUS, m_staticStatus);
    DDX_Control(pDX, IDC_PROGRESS_FILE, m_progressFile);
}

bool CMainDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    const std::string about = AfxLoadString(IDS_ABOUTBOX);
    if (!about.empty()) {
        CMenu* menu = GetSystemMenu(false);
        menu->AppendMenu(MF_SEPARATOR);
        menu->AppendMenu(MF_STRING, IDM_ABOUTBOX, about);
    }
    SetIcon(m_hAppIcon, true);
    SetIcon(m_hAppIcon, false);

    m_strHost = ReadSetting("HostData", "Host", kDefaultHost);
    m_strUser = ReadSetting("HostData", "User", nullptr);
    m_strPassword = ReadSetting("HostData", "Password", nullptr);
    m_strPageFolder = ReadSetting("Files", "Folder", "/");

    if (m_strUser.empty())
        OnConfigure();
    OnRescan();
    DragAcceptFiles(true);
    return true;
}

void CMainDlg::OnSysCommand(unsigned nID, std::intptr_t lParam)
{
    if ((nID & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg about;
        about.DoModal();
    } else {
        CDialog::OnSysCommand(nID, lParam);
    }
}

void CMainDlg::OnDestroy()
{
    if (CWinApp* app = AfxGetApp())
        app->WinHelp(0, HELP_QUIT);
    SaveSettings();
}

void CMainDlg::SaveSettings()
{
    WriteSetting("HostData", "Host", m_strHost);
    WriteSetting("HostData", "User", m_strUser);
    WriteSetting("HostData", "Password", m_strPassword);
    WriteSetting("Files", "Folder", m_strPageFolder);
}

void CMainDlg::OnRescan()
{
    m_uploadTask.m_tracker.SetFolderAndRescan(m_strPageFolder);
    ShowChangeSummary();
    m_btnSend.EnableWindow(!m_uploadTask.m_tracker.m_arrToSend.empty());
}

void CMainDlg::ShowChangeSummary()
{
    const std::string text = FormatChangeSummary(m_strPageFolder, m_uploadTask.m_tracker);
    m_editChanges.SetTabStops(kSummaryTabStop);
    m_editChanges.SetWindowText(text);
}

void CMainDlg::OnConfigure()
{
    CConfigDlg config;
    config.m_strUser = m_strUser;
    config.m_strPassword = m_strPassword;
    config.m_strHost = m_strHost;
    config.m_strPageFolder = m_strPageFolder;
    if (config.DoModal() != IDOK)
        return;
    m_strUser = config.m_strUser;
    m_strPassword = config.m_strPassword;
    m_strHost = config.m_strHost;
    if (config.m_strPageFolder != m_strPageFolder) {
        m_strPageFolder = config.m_strPageFolder;
        OnRescan();
    }
    SaveSettings();
}

void CMainDlg::OnSetUpToDate()
{
    m_uploadTask.m_tracker.SetFolderAndMarkUpToDate(m_strPageFolder);
    OnRescan();
}

void CMainDlg::OnDetails()
{
    CDetailsDlg details;
    details.m_strText = m_editChanges.GetWindowText();
    details.DoModal();
}

// The whole path of the first file; the folder is what comes before its
// last separator. While a run uses the tracker, a drop changes nothing.
void CMainDlg::OnDropFiles(CDropFiles& drop)
{
    if (m_bSending || drop.GetCount() == 0)
        return;
    const std::string& path = drop.GetPath(0);
    const std::size_t cut = path.rfind('/');
    const std::string folder = cut == std::string::npos ? std::string() : path.substr(0, cut);
    const int answer = MessageBox("Are you sure you want to change base folder to " + folder + " ?",
                                  "Confirmation", MB_YESNO | MB_ICONQUESTION);
    if (answer == IDYES) {
        m_strPageFolder = folder;
        OnRescan();
    }
}

void CMainDlg::OnSend()
{
    if (m_bSending) {
        m_uploadTask.Stop(false);
        m_btnSend.EnableWindow(false);
        return;
    }
    m_btnSend.SetWindowText("&Cancel sending");
    m_btnExit.EnableWindow(false);
    m_btnConfigure.EnableWindow(false);
    m_btnRescan.EnableWindow(false);
    m_btnUpToDate.EnableWindow(false);
    m_bSending = true;
    if (!m_uploadTask.Start()) {
        m_staticStatus.SetWindowText("Can't start sending");
        FinishUpload(false);
    }
}

UploadLogin CMainDlg::GetLogin() const
{
    return {m_strHost, m_strUser, m_strPassword};
}

void CMainDlg::SetStatusText(const std::string& text)
{
    m_uiCalls.Post([this, text] { m_staticStatus.SetWindowText(text); });
}

void CMainDlg::ShowProgress(std::int64_t fileDone, std::int64_t fileSize, std::int64_t runDone, std::int64_t runTotal)
{
    m_uiCalls.PostLatest([=, this] { ShowProgressNow(fileDone, fileSize, runDone, runTotal); });
}

void CMainDlg::ShowProgressNow(std::int64_t fileDone, std::int64_t fileSize, std::int64_t runDone,
                               std::int64_t runTotal)
{
    SetTextIfChanged(m_staticFile, FormatSize(fileDone) + " of " + FormatSize(fileSize));
    SetTextIfChanged(m_staticTotal, FormatSize(runDone) + " of " + FormatSize(runTotal));
    m_progressFile.SetPos(Percentage(fileDone, fileSize));
    const int runPercentage = Percentage(runDone, runTotal);
    m_progressTotal.SetPos(runPercentage);
    SetTextIfChanged(*this, std::to_string(runPercentage) + "% Tolvarking...");
}

void CMainDlg::ShowMessage(const std::string& text)
{
    m_uiCalls.Call([this, &text] { MessageBox(text, nullptr, MB_OK); });
}

// The completion's work on the window and the tracker is done on the
// user-interface thread, once the worker has let go of the tracker.
void CMainDlg::OnUploadFinished()
{
    m_uiCalls.Post([this] { FinishUpload(true); });
}

void CMainDlg::FinishUpload(bool prune)
{
    m_uploadTask.WaitUntilIdle();
    m_bSending = false;
    m_btnSend.SetWindowText("&Send");
    m_btnSend.EnableWindow(true);
    m_btnExit.EnableWindow(true);
    m_btnConfigure.EnableWindow(true);
    m_btnRescan.EnableWindow(true);
    m_btnUpToDate.EnableWindow(true);
    SetWindowText(kTitle);
    if (prune)
        m_uploadTask.m_tracker.PruneDeleted();
    m_progressFile.SetPos(0);
    m_progressTotal.SetPos(0);
    OnRescan();
}
