#include "tracker/FolderSeparator.h"

std::string GetFolderSeparator(const std::string& folder)
{
    return !folder.empty() && folder.back() == '/' ? "" : "/";
}
