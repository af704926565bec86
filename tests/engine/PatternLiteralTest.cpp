#include "engine/internal/match/PatternLiteral.h"
#include "engine/MatchLine.h"
#include "tests/engine/MatcherCases.h"

#include <gtest/gtest.h>

#include <random>

namespace {
// Whether `line` holds the literal run, the way the fast search looks for it.
bool Holds(const PatternLiteral& literal, const std::string& line) {
    for (size_t at = 0; at + literal.Text().size() <= line.size(); ++at)
        if (literal.OccursAt(line.data() + at))
            return true;
    return false;
}
} // namespace

TEST(PatternLiteral, EveryAcceptedLineHoldsTheRun) {
    std::vector<MatcherCase> cases = MatcherCases();
    // Lines that match only through the folded or exact reading of a run.
    for (const char* line : {"xxABC", "abc", "colour", "COLOR", "a$x", "za$", "^abc", "*xyz"})
        for (const char* pattern : {"Abc", "colou*r", "co?o", "$x", "a$$", "^^a", "^*x", "C"})
            for (bool caps : {false, true})
                cases.push_back({pattern, line, caps, MatchLine(pattern, line, caps)});
    int checked = 0;
    for (const MatcherCase& c : cases) {
        const PatternLiteral literal(c.pattern, c.ignoreCaps);
        if (!literal.Exists() || !c.expected)
            continue;
        EXPECT_TRUE(Holds(literal, c.line)) << "pattern '" << c.pattern << "' run '"
                                            << literal.Text() << "' line '" << c.line << "'";
        ++checked;
    }
    EXPECT_GT(checked, 30);
}

TEST(PatternLiteral, TakesTheRunTheMatcherReadsAsPlainBytes) {
    const struct {
        const char* pattern;
        bool ignoreCaps;
        const char* run;
        bool whole;
    } cases[] = {
        {"?", false, "", false},           {"$", false, "", false},
        {"x*", false, "", false},          {"^", false, "", false},
        {"abc", false, "abc", true},       {"^abc", false, "abc", false},
        {"abc$", false, "abc", false},     {"a$b", false, "a$b", true},
        {"^*x", false, "*x", false},       {"colou*r", false, "colo", false},
        {"b?*d", false, "b", false},       {"x**", false, "*", false},
        {"zq?abcdef", false, "zq", false},
    };
    for (const auto& c : cases) {
        const PatternLiteral literal(c.pattern, c.ignoreCaps);
        EXPECT_EQ(literal.Text(), c.run) << c.pattern;
        EXPECT_EQ(literal.IsWholePattern(), c.whole) << c.pattern;
    }
}

TEST(PatternLiteral, AgreesWithTheMatcherOnRandomLines) {
    std::mt19937 random(11);
    const std::string bytes = "^$?*aAbBzZ.";
    for (int i = 0; i < 50000; ++i) {
        std::string pattern, line;
        for (int k = 1 + static_cast<int>(random() % 7); k > 0; --k)
            pattern += bytes[random() % bytes.size()];
        for (int k = static_cast<int>(random() % 12); k > 0; --k)
            line += bytes[random() % bytes.size()];
        const bool caps = random() % 2;
        const PatternLiteral literal(pattern, caps);
        if (literal.Exists() && MatchLine(pattern, line, caps)) {
            ASSERT_TRUE(Holds(literal, line)) << pattern << " / " << line << " / " << caps;
        }
    }
}
