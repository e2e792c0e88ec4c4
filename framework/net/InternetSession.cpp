#include "framework/net/InternetSession.h"

#include <algorithm>
#include <curl/curl.h>

#include "framework/net/FtpConnection.h"
#include "framework/net/FtpControlConnection.h"
#include "framework/net/FtpHostField.h"
#include "framework/net/InternetErrors.h"
#include "framework/net/InternetException.h"

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

namespace {

// A control byte in the login would go to the server as the end of one
// command and the start of another.
bool CarriesControlBytes(const std::string& text)
{
    return std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

} // namespace

std::unique_ptr<CFtpConnection> CInternetSession::GetFtpConnection(const std::string& host, const std::string& user,
                                                                   const std::string& password)
{
    if (CarriesControlBytes(user) || CarriesControlBytes(password))
        throw CInternetException(ERROR_INTERNET_INVALID_URL, "the login name or password holds a control character");
    auto control = std::make_shared<FtpControlConnection>(ParseFtpHostField(host), user, password, m_timeout);
    return std::unique_ptr<CFtpConnection>(new CFtpConnection(std::move(control)));
}
