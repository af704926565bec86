#pragma once

#include "dialogs/OptionsStore.h"

#include <cstdlib>
#include <ostream>
#include <string>
#include <vector>

// The search options as words, one per value of the options table in its
// order: how another process is handed them on its command line, and how
// GoogleTest shows them.

inline std::string Word(const std::string& value) {
    return value;
}
inline std::string Word(int32_t value) {
    return std::to_string(value);
}
inline void FromWord(const char* word, std::string& value) {
    value = word;
}
inline void FromWord(const char* word, int32_t& value) {
    value = static_cast<int32_t>(std::strtol(word, nullptr, 10));
}

inline std::vector<std::string> OptionWords(const SearchOptions& options) {
    std::vector<std::string> words;
    for (const OptionRow& row : OptionValues())
        std::visit([&](const auto& value) { words.push_back(Word(options.*value.member)); }, row);
    return words;
}

inline SearchOptions FromOptionWords(const char* const* words) {
    SearchOptions options;
    for (const OptionRow& row : OptionValues())
        std::visit([&](const auto& value) { FromWord(*words++, options.*value.member); }, row);
    return options;
}

// "Ext1=txt Ext2=nfo ... Max=50".
inline void PrintTo(const SearchOptions& options, std::ostream* out) {
    const std::vector<std::string> words = OptionWords(options);
    for (size_t i = 0; i < words.size(); ++i)
        *out << (i > 0 ? " " : "")
             << std::visit([](const auto& value) { return value.name; }, OptionValues()[i]) << '='
             << words[i];
}
