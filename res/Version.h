#pragma once

// The program's version data.
struct VersionInfo {
    const char* fileVersion;
    const char* productVersion;
    const char* fileDescription;
    const char* internalName;
    const char* originalFilename;
    const char* productName;
};

inline constexpr VersionInfo kVersion{
    "1, 0, 0, 1", "1, 0, 0, 1", "TOLVARK MFC Application", "TOLVARK", "TOLVARK.EXE", "TOLVARK Application",
};
