#pragma once

#include "engine/MatchList.h"
#include "engine/SearchObserver.h"
#include "engine/SearchOptions.h"
#include "engine/SearchTuning.h"
#include "engine/TooFewDescriptors.h"

#include <string>
#include <string_view>

// Runs a whole search from `startFolder`, reporting to `observer`; true when
// at least one record was committed. The records the observer keeps are added
// to `matches` (which the caller has emptied). Throws TooFewDescriptors before
// anything is searched, and std::bad_alloc when memory runs out (the records
// committed until then stay); either way every thread of the search has
// ended. (The search itself is engine/internal/run/SearchRun.)
bool RunSearch(std::string_view pattern, const std::string& startFolder,
               const SearchOptions& options, MatchList& matches, SearchObserver& observer,
               const SearchTuning& tuning = SearchTuning());
