#pragma once

#include "engine/SearchOptions.h"

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

class CWinApp;

// The search options as the profile of `app` keeps them, in section "1.10",
// one value per option, as the table OptionValues() gives them. Nothing is
// kept in memory: each call goes to the profile, and what the profile calls
// report goes unnoticed.

// One value of the table: its name in the profile, the option that it keeps,
// what reading it gives when it is absent, what the first start stores, and
// its place in the order SaveOptions writes the values.
template <typename T> struct OptionValue {
    const char* name;
    T SearchOptions::*member;
    T readDefault;
    T firstRun;
    int savedAs;
};
// A string value (the extensions) or a 32-bit integer (the switches, Max).
using OptionRow = std::variant<OptionValue<std::string>, OptionValue<int32_t>>;

// The table of the options' values, in the order LoadOptions reads them.
const std::vector<OptionRow>& OptionValues();

// The stored options. Values are taken as stored, even out of the range the
// Options dialog accepts; an integer's 32 bits as stored (4294967295 is -1).
SearchOptions LoadOptions(CWinApp& app);

// Stores all eight options in one save of the profile; an empty extension is
// stored as a present, empty value.
void SaveOptions(CWinApp& app, const SearchOptions& options);

// On the first start for a user (the profile holds no first-run mark), stores
// the mark and the first-run values in one save. Later it stores nothing, so
// the user's values stay, even when some were deleted since.
void WriteDefaultOptions(CWinApp& app);
