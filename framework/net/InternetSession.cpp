#include "framework/net/InternetSession.h"

#include <curl/curl.h>

#include "framework/net/FtpConnection.h"
#include "framework/net/FtpControlConnection.h"
#include "framework/net/FtpHostField.h"

bool InitInternet()
{
    static const bool started = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    return started;
}

CInternetSession::CInternetSession(const std::string&) {}

CInternetSession::~CInternetSession() = default;

void CInternetSession::SetTimeouts(std::chrono::milliseconds timeout)
{
    m_timeout = timeout;
}

std::unique_ptr<CFtpConnection> CInternetSession::GetFtpConnection(const std::string& host, const std::string& user,
                                                                   const std::string& password)
{
    auto control = std::make_shared<FtpControlConnection>(ParseFtpHostField(host), user, password, m_timeout);
    return std::unique_ptr<CFtpConnection>(new CFtpConnection(std::move(control)));
}
