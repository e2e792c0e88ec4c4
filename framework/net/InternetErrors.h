#pragma once

#include <cstdint>

// The error codes that CInternetException carries. The upload run tells
// ERROR_FTP_DROPPED apart from the rest, so a failure that happens after the
// login because a connection went away must carry it, and nothing else may.

// The server did not answer, or a transfer made no progress, in time.
constexpr std::uint32_t ERROR_INTERNET_TIMEOUT = 12002;
// The server answered with a negative reply (4xx or 5xx), for instance to
// the store of a file or at its completion.
constexpr std::uint32_t ERROR_INTERNET_EXTENDED_ERROR = 12003;
// A host field or a remote file name that FTP cannot carry; nothing was
// sent.
constexpr std::uint32_t ERROR_INTERNET_INVALID_URL = 12005;
// The host name did not resolve.
constexpr std::uint32_t ERROR_INTERNET_NAME_NOT_RESOLVED = 12007;
// The server refused the user name or the password.
constexpr std::uint32_t ERROR_INTERNET_INCORRECT_PASSWORD = 12014;
// No connection to the server came about, or it ended before the login.
constexpr std::uint32_t ERROR_INTERNET_CANNOT_CONNECT = 12029;
// The control or data connection ended or broke after the login.
constexpr std::uint32_t ERROR_FTP_DROPPED = 12111;
