#include "framework/net/FtpControlConnection.h"

#include <algorithm>
#include <climits>
#include <new>

#include "framework/net/CurlErrorCodes.h"
#include "framework/net/InternetException.h"

namespace {

// Curl asks the read callback for at most this many bytes at a time; as
// large as the pieces that CInternetFile gathers, one call takes a piece.
constexpr long kUploadBufferSize = 64 * 1024;

long WholeSeconds(std::chrono::milliseconds timeout)
{
    return std::max(1L, static_cast<long>((timeout.count() + 999) / 1000));
}

// A store that would need a new control connection, because the one of the
// login has gone while it was idle, fails instead of logging in again: the
// run needs to learn that the connection dropped. The server's active data
// connections come in as accepted sockets and pass.
int RefuseNewControlConnection(void*, curl_socket_t, curlsocktype purpose)
{
    return purpose == CURLSOCKTYPE_IPCXN ? CURL_SOCKOPT_ERROR : CURL_SOCKOPT_OK;
}

} // namespace

FtpControlConnection::FtpControlConnection(const FtpServerAddress& server, std::string user,
                                           std::string password, std::chrono::milliseconds timeout)
    : m_serverUrl("ftp://" + server.host + ":" + std::to_string(server.port)),
      m_user(std::move(user)),
      m_password(std::move(password)),
      m_timeout(timeout),
      m_multi(curl_multi_init())
{
    if (!m_multi)
        throw std::bad_alloc();
    // A request without a body on the login directory connects and logs in
    // and transfers nothing; the connection then stays in the cache.
    CurlEasyHandle easy = NewHandle("/");
    curl_easy_setopt(easy.get(), CURLOPT_NOBODY, 1L);
    CurlTransfer login(m_multi.get(), std::move(easy));
    login.Drive([] { return false; });
    if (login.Result() != CURLE_OK)
        throw CInternetException(LoginErrorCode(login.Result(), login.Reply()), login.Detail());
}

std::unique_ptr<CurlTransfer> FtpControlConnection::NewStore(const std::string& path, curl_read_callback read,
                                                             void* readData)
{
    CurlEasyHandle easy = NewHandle(path);
    CURL* e = easy.get();
    curl_easy_setopt(e, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(e, CURLOPT_READFUNCTION, read);
    curl_easy_setopt(e, CURLOPT_READDATA, readData);
    curl_easy_setopt(e, CURLOPT_UPLOAD_BUFFERSIZE, kUploadBufferSize);
    curl_easy_setopt(e, CURLOPT_SOCKOPTFUNCTION, &RefuseNewControlConnection);
    return std::make_unique<CurlTransfer>(m_multi.get(), std::move(easy));
}

CurlEasyHandle FtpControlConnection::NewHandle(const std::string& path) const
{
    CurlEasyHandle easy(curl_easy_init());
    if (!easy)
        throw std::bad_alloc();
    CURL* e = easy.get();
    curl_easy_setopt(e, CURLOPT_URL, (m_serverUrl + path).c_str());
    curl_easy_setopt(e, CURLOPT_PROTOCOLS_STR, "ftp");
    // Credentials never pass through the URL, where they would need escaping.
    curl_easy_setopt(e, CURLOPT_USERNAME, m_user.c_str());
    curl_easy_setopt(e, CURLOPT_PASSWORD, m_password.c_str());
    // Files must land in the login directory of a real FTP session; an HTTP
    // proxy named in the environment (ftp_proxy, all_proxy) would turn the
    // stores into HTTP requests of the proxy's making.
    curl_easy_setopt(e, CURLOPT_PROXY, "");
    curl_easy_setopt(e, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(e, CURLOPT_FTPPORT, "-");
    // The path is the bare name: STOR it as it is, with no CWD.
    curl_easy_setopt(e, CURLOPT_FTP_FILEMETHOD, static_cast<long>(CURLFTPMETHOD_NOCWD));
    // Curl retires a connection idle for two minutes by default; the run
    // keeps its one connection however long it pauses between files.
    curl_easy_setopt(e, CURLOPT_MAXAGE_CONN, LONG_MAX);

    // No step may wait for ever on a stalled server.
    curl_easy_setopt(e, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(m_timeout.count()));
    curl_easy_setopt(e, CURLOPT_SERVER_RESPONSE_TIMEOUT, WholeSeconds(m_timeout));
    curl_easy_setopt(e, CURLOPT_ACCEPTTIMEOUT_MS, static_cast<long>(m_timeout.count()));
    // Curl measures the speed over the last few seconds of the transfer and
    // only while it is driven, so pauses of the writer between sends do not
    // count; a limit of one byte a second catches a transfer that stands
    // still.
    curl_easy_setopt(e, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(e, CURLOPT_LOW_SPEED_TIME, WholeSeconds(m_timeout));
    return easy;
}
