#pragma once

#include <cstdint>
#include <string>

// The eight settings that steer a search, named after the profile values that
// keep them. The initial values are the main window's built-in ones.
struct SearchOptions {
    std::string Ext1 = "txt";
    std::string Ext2 = "nfo";
    std::string Ext3 = "diz";
    std::string Ext4;
    std::string Ext5;
    int32_t IgnoreCaps = 1;
    int32_t IgnoreExt = 1;
    int32_t Max = 50;
};
