#pragma once

#include <string>
#include <vector>

// Patterns and lines with the matcher's answer, one row per rule.
struct MatcherCase {
    const char* pattern;
    std::string line;
    bool ignoreCaps;
    bool expected;
};

inline std::vector<MatcherCase> MatcherCases() {
    return {
        {"", "", false, true},
        {"", "anything", false, true},
        {"^", "", false, true},
        {"^", "abc", false, true},
        {"$", "", false, true},
        {"$", "abc", false, true},
        {"^$", "", false, true},
        {"^$", "a", false, false},
        {"?", "", false, false},
        {"?", "a", false, true},
        {"*", "a*b", false, true},
        {"*", "ab", false, false},
        {"**", "", false, true},
        {"**", "xyz", false, true},
        {"x*", "", false, true},
        {"x*", "abc", false, true},
        {"^*x", "*xyz", false, true},
        {"^*x", "xyz", false, false},
        {"$x", "a$x", false, true},
        {"$x", "ax", false, false},
        {"a$$", "za$", false, true},
        {"a$$", "za", false, false},
        {"$*", "", false, true},
        {"$*", "abc", false, true},
        {"^^a", "^abc", false, true},
        {"^^a", "abc", false, false},
        {"a?d", "xabd", false, true},
        {"a?d", "xad", false, false},
        {"b?*d", "abxyzde", false, true},
        {"Abc", "xxABC", true, true},
        {"Abc", "xxabc", true, true},
        {"Abc", "xxaBc", true, true},
        {"Abc", "xxabc", false, false},
        {"^A*B", "AAb", true, true},
        {"^A*B", "aab", true, false},
        {"x**", "xx*", false, true},
        {"x**", "xx", false, false},
        {"***", "", false, false},
        {"***", "a*", false, true},
        {"^abc$", "abc", false, true},
        {"^abc$", "abcd", false, false},
        {"c$", "abc", false, true},
        {"c$", "abcd", false, false},
        {"a?*", "a", false, true},
        {"?*?", "", false, false},
        {"?*?", "z", false, true},
        {"[", "a[b", false, true},
        {"7", "abc", true, false},
        {"\xE9", "\xC9", true, false},
        {"\xE9", "x\xE9", true, true},
    };
}
