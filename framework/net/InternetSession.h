#pragma once

#include <chrono>
#include <memory>
#include <string>

class CFtpConnection;

// Starts the network layer; true when it runs. Called once, from the main
// thread, before any other thread exists.
bool InitInternet();

// The settings under which FTP connections are made. One thread uses a
// session and everything opened under it.
class CInternetSession {
public:
    // FTP has no field for the agent name, so it goes nowhere.
    explicit CInternetSession(const std::string& agent);
    ~CInternetSession();
    CInternetSession(const CInternetSession&) = delete;
    CInternetSession& operator=(const CInternetSession&) = delete;

    // How long a connect, each reply of the server, the server's opening
    // of a data connection, or a transfer that stands still may take before
    // it fails with ERROR_INTERNET_TIMEOUT; 30 seconds unless set. Applies
    // to connections made afterwards. Replies and stalled transfers are
    // timed in whole seconds, rounded up.
    void SetTimeouts(std::chrono::milliseconds timeout);

    // Connects to the server that the Host field names ("host", "host:port",
    // "[IPv6]:port"; port 21 unless given) and logs in. On return the login
    // has succeeded and the login directory is the current directory, which
    // stays so. Throws CInternetException.
    std::unique_ptr<CFtpConnection> GetFtpConnection(const std::string& host, const std::string& user,
                                                     const std::string& password);

    // The session holds no network resources of its own: each connection
    // closes its own.
    void Close() {}

private:
    std::chrono::milliseconds m_timeout{std::chrono::seconds(30)};
};
