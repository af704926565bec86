#pragma once

#include <string>

// The folders where the program finds files of its own.

// The full path of the running executable; empty when it cannot be read.
std::string ExecutablePath();
// The data folder of the program installed or built as `executable`:
// <prefix>/share/<name> when the executable lies in <prefix>/bin and that
// folder exists (an installed program), else the executable's own folder (a
// build tree). Empty for an empty path.
std::string DataFolderOf(const std::string& executable, const std::string& name);
