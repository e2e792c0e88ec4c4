#pragma once

#include <string>

// The folder for this user's state files: $XDG_STATE_HOME, or
// ~/.local/state when that is unset or not an absolute path. Created when
// missing; a folder that cannot be created is returned all the same, and
// opening a file in it then fails as usual.
std::string GetStateDirectory();
