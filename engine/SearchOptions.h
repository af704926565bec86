#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

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

    // The five extensions in slot order, the order the search takes them in:
    // `options.*SearchOptions::kExtensions[0]` is Ext1.
    static const std::array<std::string SearchOptions::*, 5> kExtensions;

    // The file-name masks of the search's walks, in walk order: "." + each
    // non-empty extension in slot order, in lower and then in upper case when
    // IgnoreExt is on (ASCII letters only), as stored when it is off.
    std::vector<std::string> Masks() const;

    bool operator==(const SearchOptions&) const = default;
};

inline const std::array<std::string SearchOptions::*, 5> SearchOptions::kExtensions = {
    &SearchOptions::Ext1, &SearchOptions::Ext2, &SearchOptions::Ext3, &SearchOptions::Ext4,
    &SearchOptions::Ext5};
