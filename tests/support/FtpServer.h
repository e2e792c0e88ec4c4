#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What the test server does out of the ordinary; the defaults make a server
// that behaves. The fields after `file` change the store of that one file.
struct FtpServerOptions {
    std::string address = "127.0.0.1"; // "::1" for IPv6
    bool stallConnect = false;         // connections are never accepted
    bool stallGreeting = false;        // connections are accepted but never answered
    bool stallDataConnection = false;  // agrees to active data connections but never connects

    std::string file{};
    std::string storReply{};                       // answers STOR with this, e.g. "550 No."
    bool stallStor = false;                      // never answers STOR
    bool stallData = false;                      // never reads the data connection
    std::optional<std::uint64_t> dropAfterBytes{}; // then resets data and control connection
    std::string finalReply{};                      // ends the store with this, not with 226
    bool stallFinal = false;                     // never sends the final reply
    bool dropAfterFile = false;                  // closes the control connection after the final reply
};

// An FTP server on loopback for one test: tests/support/ftp_server.py on
// pyftpdlib, started on a free port with a fresh login directory by the
// constructor, which returns once it listens, and stopped by the
// destructor. One user, User() with Password().
class FtpServer {
public:
    explicit FtpServer(FtpServerOptions options = {});
    ~FtpServer();
    FtpServer(const FtpServer&) = delete;
    FtpServer& operator=(const FtpServer&) = delete;

    std::uint16_t Port() const { return m_port; }
    // What a user types into the Host field for this server: "127.0.0.1:port".
    std::string HostField() const;
    const std::string& User() const { return m_user; }
    const std::string& Password() const { return m_password; }
    // The login directory, where stored files land.
    const std::string& Root() const { return m_root; }

    // What the server received, in order. The server writes each before it
    // answers, so everything a client had an answer for is there.
    std::vector<std::string> Commands() const; // command lines, the password hidden
    int Connections() const;
    int Logins() const;
    // Waits until the server has closed one more control connection than
    // the last call saw close.
    void WaitForDisconnect();

private:
    std::vector<std::string> Events(const std::string& kind) const;
    std::string ReadLine();
    void Stop();

    FtpServerOptions m_options;
    std::string m_user = "webmaster";
    std::string m_password = "pa ss:w@rd/%";
    std::string m_root;
    std::string m_log;
    int m_pid = -1;
    int m_output = -1; // what the server prints
    std::uint16_t m_port = 0;
};
