#pragma once

#include <string>
#include <vector>

// The local files of one drop on a window, whole paths in the file
// system's bytes.
class CDropFiles {
public:
    explicit CDropFiles(std::vector<std::string> paths) : m_paths(std::move(paths)) {}
    std::size_t GetCount() const { return m_paths.size(); }
    const std::string& GetPath(std::size_t i) const { return m_paths[i]; }

private:
    std::vector<std::string> m_paths;
};
