#include "upload/UploadTask.h"

#include <memory>

#include "framework/net/FtpConnection.h"
#include "framework/net/InternetErrors.h"
#include "framework/net/InternetException.h"
#include "framework/net/InternetSession.h"
#include "upload/SendList.h"

namespace {

std::string NotSentMessage(const std::vector<CSendList::NotSent>& notSent)
{
    std::string text = "These files were not sent:";
    for (const CSendList::NotSent& file : notSent)
        text += "\n" + file.name + ": " + file.reason;
    return text;
}

} // namespace

CUploadTask::CUploadTask(IUploadOwner* pOwner) : m_pOwner(pOwner) {}

CUploadTask::~CUploadTask()
{
    Stop(true);
    WaitUntilIdle();
}

// Logs in and sends the send list; reports how it ended, and which files
// it left out and why, through the owner; and ends with the owner's
// completion call whatever happens.
std::uint32_t CUploadTask::Run()
{
    CInternetSession session("Tolvark");
    if (m_tracker.m_arrToSend.empty()) {
        m_pOwner->OnUploadFinished();
        return 0;
    }

    const UploadLogin login = m_pOwner->GetLogin();
    CSendList sendList(m_tracker, *m_pOwner, m_bCancel);
    std::unique_ptr<CFtpConnection> connection;
    m_pOwner->SetStatusText("Connecting to " + login.host);
    try {
        connection = session.GetFtpConnection(login.host, login.user, login.password);
        m_pOwner->SetStatusText("Connected");
        sendList.SendAll(*connection);
        m_pOwner->SetStatusText("Done");
    } catch (const CInternetException& e) {
        const std::string text = e.m_dwError == ERROR_FTP_DROPPED ? "FTP connection lost" : "Can't connect to host";
        m_pOwner->SetStatusText(text);
        m_pOwner->ShowMessage("Connection error: " + text);
    } catch (const UploadCancelled&) {
        m_pOwner->SetStatusText("Operation cancelled");
    } catch (const std::exception& e) {
        const std::string text = std::string("Sending failed: ") + e.what();
        m_pOwner->SetStatusText(text);
        m_pOwner->ShowMessage(text);
    }
    if (!sendList.NotSentFiles().empty())
        m_pOwner->ShowMessage(NotSentMessage(sendList.NotSentFiles()));

    if (connection) {
        connection->Close();
        connection.reset();
    }
    m_pOwner->OnUploadFinished();
    session.Close();
    return 0;
}
