#include "framework/files/StateDirectory.h"

#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <unistd.h>

namespace {

std::string HomeDirectory()
{
    if (const char* home = std::getenv("HOME"); home && *home)
        return home;
    if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir)
        return pw->pw_dir;
    return "/";
}

} // namespace

std::string GetStateDirectory()
{
    std::string dir;
    if (const char* xdg = std::getenv("XDG_STATE_HOME"); xdg && xdg[0] == '/')
        dir = xdg;
    else
        dir = HomeDirectory() + "/.local/state";
    std::error_code ignored;
    std::filesystem::create_directories(dir, ignored);
    return dir;
}
