#pragma once

#include <memory>
#include <string>

class CInternetFile;
class FtpControlConnection;

// A logged-in FTP connection: one control connection that serves every
// file, with active data connections and binary type. Made by
// CInternetSession::GetFtpConnection.
class CFtpConnection {
public:
    ~CFtpConnection();
    CFtpConnection(const CFtpConnection&) = delete;
    CFtpConnection& operator=(const CFtpConnection&) = delete;

    // Creates or replaces the file of exactly this name, byte for byte, in
    // the login directory. Returns once the server has accepted the store
    // and the data connection is up, so that the file exists on the server
    // and its bytes can flow. One file at a time: close the last one first.
    //
    // Throws CInternetException: ERROR_INTERNET_INVALID_URL, before anything
    // is sent, for a name that FTP cannot carry (empty, "." or "..", or with
    // "/" or a control byte such as CR, LF or NUL);
    // ERROR_INTERNET_EXTENDED_ERROR when the server refuses the store;
    // ERROR_FTP_DROPPED when the connection has gone; ERROR_INTERNET_TIMEOUT
    // when the server stalls.
    std::unique_ptr<CInternetFile> OpenFile(const std::string& name);

    // Logs out and closes the control connection, or, while a file is
    // still open, does so once that file is destroyed.
    void Close();

private:
    friend class CInternetSession;
    explicit CFtpConnection(std::shared_ptr<FtpControlConnection> control);

    std::shared_ptr<FtpControlConnection> m_control;
};
