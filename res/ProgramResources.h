#pragma once

#include "framework/gui/Resources.h"

// The dialogs, strings and icon of Tolvark.
const CResources& ProgramResources();

// The FTP host of the hosting service the program is made for.
inline constexpr const char* kDefaultHost = "ftp.larkhaven.example";
