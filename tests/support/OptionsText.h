#pragma once

#include "engine/SearchOptions.h"

#include <string>

// The eight options on one line, "Ext1|...|Ext5|IgnoreCaps|IgnoreExt|Max",
// to compare and to show.
inline std::string Describe(const SearchOptions& o) {
    return o.Ext1 + "|" + o.Ext2 + "|" + o.Ext3 + "|" + o.Ext4 + "|" + o.Ext5 + "|" +
           std::to_string(o.IgnoreCaps) + "|" + std::to_string(o.IgnoreExt) + "|" +
           std::to_string(o.Max);
}
