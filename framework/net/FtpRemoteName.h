#pragma once

#include <string>

// The URL path under which curl stores a file of exactly this name in the
// login directory, without changing directory. Every byte but letters,
// digits and "-._~" is percent-encoded, so that no byte of the name is
// read as URL syntax (a ";type=" suffix, an escape, a query).
//
// A name that FTP cannot carry as the argument of one command (empty, "."
// or "..", or with "/", NUL, CR, LF or another control byte) throws
// CInternetException with ERROR_INTERNET_INVALID_URL.
std::string FtpPathForName(const std::string& name);
