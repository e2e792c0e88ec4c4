#pragma once

#include <cstdint>
#include <string>

// Where an FTP server is reached, as the Host field names it.
struct FtpServerAddress {
    std::string host; // a host name, an IPv4 address or a bracketed IPv6 address
    std::uint16_t port;

    bool operator==(const FtpServerAddress&) const = default;
};

// Reads "host", "host:port", "[IPv6]" or "[IPv6]:port"; without a port the
// server is on port 21. Any other text, which could change the meaning of a
// URL made from it, throws CInternetException with
// ERROR_INTERNET_INVALID_URL.
FtpServerAddress ParseFtpHostField(const std::string& field);
