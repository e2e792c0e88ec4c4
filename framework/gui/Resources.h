#pragma once

#include <map>
#include <string>
#include <vector>

#include "framework/gui/DialogTemplate.h"

// The program's version data.
struct VersionInfo {
    std::string fileVersion;    // "1, 0, 0, 1"
    std::string productVersion; // "1.0.0.1"
    std::string fileDescription;
    std::string internalName;
    std::string originalFilename;
    std::string productName;
};

// The program's resources: dialog templates, strings and icons by number,
// and its version.
struct CResources {
    std::vector<DialogTemplate> dialogs;
    std::map<int, std::string> strings;
    std::map<int, const char* const*> icons; // XPM images
    VersionInfo version;
};

// Makes the resources known; the program does it once, before any window.
void AfxSetResources(const CResources& resources);
// Throws std::out_of_range for a dialog that is not among them.
const DialogTemplate& AfxFindDialogTemplate(int id);
// Empty for a string that is not among them.
std::string AfxLoadString(int id);
const VersionInfo& AfxGetVersion();

// An icon of the resources, by number; null when there is none.
using HICON = const char* const*;
HICON AfxLoadIcon(int id);
