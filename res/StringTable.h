#pragma once

#include "framework/types/WinDefs.h"

#include <string>
#include <utility>
#include <vector>

// The program's string table: id and text of each string.
std::vector<std::pair<UINT, std::string>> StringTable();
