#pragma once

#include <map>
#include <string>
#include <vector>

#include "framework/gui/DialogTemplate.h"

// The program's resources: dialog templates, strings and icons by number.
struct CResources {
    std::vector<DialogTemplate> dialogs;
    std::map<int, std::string> strings;
    std::map<int, const char* const*> icons; // XPM images
};

// Makes the resources known; the program does it once, before any window.
void AfxSetResources(const CResources& resources);
// Throws std::out_of_range for a dialog that is not among them.
const DialogTemplate& AfxFindDialogTemplate(int id);
// Empty for a string that is not among them.
std::string AfxLoadString(int id);

// An icon of the resources, by number; null when there is none.
using HICON = const char* const*;
HICON AfxLoadIcon(int id);
