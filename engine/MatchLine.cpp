#include "engine/MatchLine.h"

#include "engine/internal/match/LineMatcher.h"

bool MatchLine(std::string_view pattern, std::string_view line, bool ignoreCaps) {
    return LineMatcher(pattern, ignoreCaps).MatchLine(line);
}
