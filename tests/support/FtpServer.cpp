#include "tests/support/FtpServer.h"

#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include "tests/support/TestFiles.h"

namespace {

// Debian's pyftpdlib is installed for the system's python only.
constexpr const char* kPython = "/usr/bin/python3";

std::vector<std::string> ServerArguments(const FtpServerOptions& options, const std::string& root,
                                         const std::string& log, const std::string& user,
                                         const std::string& password)
{
    std::vector<std::string> arguments = {kPython,      TOLVARK_SOURCE_DIR "/tests/support/ftp_server.py",
                                          "--address",  options.address,
                                          "--root",     root,
                                          "--log",      log,
                                          "--user",     user,
                                          "--password", password};
    auto flag = [&](bool on, const char* name) {
        if (on)
            arguments.push_back(name);
    };
    auto value = [&](const std::string& text, const char* name) {
        if (!text.empty())
            arguments.insert(arguments.end(), {name, text});
    };
    flag(options.stallConnect, "--stall-connect");
    flag(options.stallGreeting, "--stall-greeting");
    flag(options.stallDataConnection, "--stall-data-connection");
    value(options.file, "--file");
    value(options.storReply, "--stor-reply");
    flag(options.stallStor, "--stall-stor");
    flag(options.stallData, "--stall-data");
    if (options.dropAfterBytes)
        value(std::to_string(*options.dropAfterBytes), "--drop-after-bytes");
    value(options.finalReply, "--final-reply");
    flag(options.stallFinal, "--stall-final");
    flag(options.dropAfterFile, "--drop-after-file");
    return arguments;
}

} // namespace

FtpServer::FtpServer(FtpServerOptions options) : m_options(std::move(options))
{
    const std::string folder = MakeTempFolder();
    m_root = folder + "/root";
    m_log = folder + "/events.log";
    std::filesystem::create_directories(m_root);
    const std::string errors = folder + "/server.err";
    const int errorFile = ::open(errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);

    const std::vector<std::string> arguments = ServerArguments(m_options, m_root, m_log, m_user, m_password);
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    int pipeEnds[2];
    if (::pipe2(pipeEnds, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe failed");
    m_pid = ::fork();
    if (m_pid == 0) {
        // A server must not outlive a test program that crashed.
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        ::dup2(pipeEnds[1], STDOUT_FILENO);
        if (errorFile >= 0)
            ::dup2(errorFile, STDERR_FILENO);
        // Nothing else of the test program, such as a client's socket, may
        // stay open in the server.
        ::close_range(3, ~0U, 0);
        ::execv(kPython, argv.data());
        ::_exit(127);
    }
    ::close(pipeEnds[1]);
    m_output = pipeEnds[0];
    if (errorFile >= 0)
        ::close(errorFile);
    if (m_pid < 0) {
        Stop();
        throw std::runtime_error("fork failed");
    }

    // The server prints its port once it listens.
    const std::string line = ReadLine();
    if (line.empty()) {
        Stop();
        throw std::runtime_error("the FTP server did not start; see " + errors);
    }
    m_port = static_cast<std::uint16_t>(std::stoi(line));
}

FtpServer::~FtpServer()
{
    Stop();
}

void FtpServer::Stop()
{
    if (m_pid > 0) {
        ::kill(m_pid, SIGKILL);
        ::waitpid(m_pid, nullptr, 0);
        m_pid = -1;
    }
    if (m_output >= 0) {
        ::close(m_output);
        m_output = -1;
    }
}

std::string FtpServer::ReadLine()
{
    std::string line;
    char c;
    while (::read(m_output, &c, 1) == 1 && c != '\n')
        line += c;
    return line;
}

void FtpServer::WaitForDisconnect()
{
    if (ReadLine() != "disconnect")
        throw std::runtime_error("the FTP server ended");
}

std::string FtpServer::HostField() const
{
    const bool ipv6 = m_options.address.find(':') != std::string::npos;
    return (ipv6 ? "[" + m_options.address + "]" : m_options.address) + ":" + std::to_string(m_port);
}

std::vector<std::string> FtpServer::Events(const std::string& kind) const
{
    std::vector<std::string> events;
    std::ifstream log(m_log, std::ios::binary);
    std::string line;
    while (std::getline(log, line)) {
        const auto tab = line.find('\t');
        if (line.compare(0, tab, kind) == 0 && tab == kind.size())
            events.push_back(line.substr(tab + 1));
    }
    return events;
}

std::vector<std::string> FtpServer::Commands() const
{
    return Events("command");
}

int FtpServer::Connections() const
{
    return static_cast<int>(Events("connect").size());
}

int FtpServer::Logins() const
{
    return static_cast<int>(Events("login").size());
}
