#pragma once

#include <string_view>

// Whether `line` holds a match for `pattern`: a leading '^' anchors at the
// line start, a trailing '$' at its end, '?' is any one byte, a byte followed
// by '*' is zero or more of that exact byte, every other byte is itself, and
// with `ignoreCaps` an ASCII letter also takes its other case. The one-off
// form of the search's matcher (engine/internal/match/LineMatcher).
bool MatchLine(std::string_view pattern, std::string_view line, bool ignoreCaps);
