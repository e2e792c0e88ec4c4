#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// One entry of a folder that can be sent as a file.
struct FolderFile {
    std::string_view name;          // valid during the callback only
    std::uint64_t size;
    std::int64_t lastWriteTime;     // whole seconds since 1970 UTC
};

// Calls onFile for each regular file of the folder, a link to one counting
// as that file, in the order the file system lists them. Directories,
// FIFOs, sockets, devices and broken links are left out, and there is no
// descent into subfolders. Returns false when the folder cannot be listed;
// a listing that fails half-way ends where it failed.
bool ListFolderFiles(const std::string& folder, const std::function<void(const FolderFile&)>& onFile);
