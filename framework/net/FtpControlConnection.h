#pragma once

#include <chrono>
#include <curl/curl.h>
#include <memory>
#include <string>

#include "framework/net/CurlHandles.h"
#include "framework/net/CurlTransfer.h"
#include "framework/net/FtpHostField.h"

// One logged-in FTP control connection. Curl keeps it between transfers in
// the connection cache of this object's multi handle; every store is an
// easy handle of its own on that multi handle, which finds the connection
// there and reuses it, so the server sees one login for all files.
class FtpControlConnection {
public:
    // Connects and logs in. Throws CInternetException.
    FtpControlConnection(const FtpServerAddress& server, std::string user, std::string password,
                         std::chrono::milliseconds timeout);
    FtpControlConnection(const FtpControlConnection&) = delete;
    FtpControlConnection& operator=(const FtpControlConnection&) = delete;
    // Logs out and closes the connection.
    ~FtpControlConnection() = default;

    // A store under the URL path `path`, taking its bytes from `read`; it
    // starts when the transfer is first driven.
    std::unique_ptr<CurlTransfer> NewStore(const std::string& path, curl_read_callback read, void* readData);

private:
    CurlEasyHandle NewHandle(const std::string& path) const;

    std::string m_serverUrl;
    std::string m_user;
    std::string m_password;
    std::chrono::milliseconds m_timeout;
    CurlMultiHandle m_multi;
};
