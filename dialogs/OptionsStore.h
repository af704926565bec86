#pragma once

#include "engine/SearchOptions.h"

class CWinApp;

// The search options as the profile of `app` keeps them, in section "1.10":
// "Ext1" to "Ext5" as strings, "IgnoreCaps", "IgnoreExt" and "Max" as
// integers. Nothing is kept in memory: each call goes to the profile, and
// what the profile calls report goes unnoticed.

// The stored options; an absent value reads as an empty extension, 1 for
// either switch and 50 for "Max". Values are taken as stored, even out of
// the range the Options dialog accepts.
SearchOptions LoadOptions(CWinApp& app);

// Stores all eight options in one save of the profile; an empty extension is
// stored as a present, empty value.
void SaveOptions(CWinApp& app, const SearchOptions& options);

// On the first start for a user (the profile holds no first-run mark), stores
// the mark and the first-run options "txt", "diz", "nfo", two empty
// extensions, both switches on and 50, in one save. Later it stores nothing,
// so the user's values stay, even when some were deleted since.
void WriteDefaultOptions(CWinApp& app);
