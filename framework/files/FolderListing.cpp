#include "framework/files/FolderListing.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

bool ListFolderFiles(const std::string& folder, const std::function<void(const FolderFile&)>& onFile)
{
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return false;
    const int dirFd = ::dirfd(dir);
    while (const dirent* entry = ::readdir(dir)) {
        // Directories need no stat to be left out.
        if (entry->d_type == DT_DIR)
            continue;
        struct stat st {};
        if (::fstatat(dirFd, entry->d_name, &st, 0) != 0 || !S_ISREG(st.st_mode))
            continue;
        onFile(FolderFile{entry->d_name, static_cast<std::uint64_t>(st.st_size),
                          static_cast<std::int64_t>(st.st_mtim.tv_sec)});
    }
    ::closedir(dir);
    return true;
}
