#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>

#include "framework/net/InternetException.h"

class CurlTransfer;
class FtpControlConnection;

// A file being stored on the server, opened by CFtpConnection::OpenFile.
// Its bytes stream over the data connection as they are written.
class CInternetFile {
public:
    // Unless the file was closed or has failed, ends it where it stands:
    // every byte written so far stays on the server. Reports nothing.
    ~CInternetFile();
    CInternetFile(const CInternetFile&) = delete;
    CInternetFile& operator=(const CInternetFile&) = delete;

    // Takes every byte or throws CInternetException. Small writes are
    // gathered and sent in large pieces, so a write costs little more than a
    // copy; a connection that drops may therefore show only in a later
    // Write or in Close.
    void Write(const void* data, std::size_t size);

    // Sends what is gathered, ends the data connection and waits for the
    // server's final reply. Throws CInternetException when the file did not
    // reach the server whole: ERROR_INTERNET_EXTENDED_ERROR for a negative
    // final reply (a full disk, for instance), ERROR_FTP_DROPPED for a
    // connection that went, ERROR_INTERNET_TIMEOUT for a server that stalls.
    void Close();

private:
    friend class CFtpConnection;
    // Starts the store under the URL path and waits until the server has
    // accepted it.
    CInternetFile(std::shared_ptr<FtpControlConnection> control, const std::string& path);

    static std::size_t Read(char* to, std::size_t size, std::size_t count, void* file);
    void WriteThrough(const char* data, std::size_t size);
    void SendGathered();
    void Finish();
    void Resume();
    void ThrowUnlessOpen() const;
    [[noreturn]] void Fail();

    enum class State { open, closed, failed };

    std::shared_ptr<FtpControlConnection> m_control;
    std::unique_ptr<CurlTransfer> m_transfer;
    State m_state = State::open;
    std::optional<CInternetException> m_failure;

    std::unique_ptr<char[]> m_buffer;
    std::size_t m_gathered = 0;
    std::size_t m_handedOut = 0; // of the gathered bytes, those curl has taken
    bool m_asked = false;        // curl has asked for bytes
    bool m_paused = false;       // curl waits for bytes: resume it when there are some
    bool m_ending = false;       // no byte follows the gathered ones
};
