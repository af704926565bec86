#include "engine/internal/match/LineMatcher.h"
#include "engine/MatchLine.h"
#include "tests/engine/MatcherCases.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/StackThread.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

// The classic recursive backtracking matcher, written from the rules and used
// as the reference for the bounded one.
bool SameByte(char p, char t, bool ignoreCaps) {
    const unsigned char up = static_cast<unsigned char>(p), ut = static_cast<unsigned char>(t);
    if (up == ut)
        return true;
    if (!ignoreCaps)
        return false;
    return (up >= 'A' && up <= 'Z' && ut == up + 32) || (up >= 'a' && up <= 'z' && ut == up - 32);
}
bool RefAt(const char* p, const char* t, bool ic);
bool RefRepeat(char c, const char* p, const char* t, bool ic) {
    do {
        if (RefAt(p, t, ic))
            return true;
    } while (*t != '\0' && (*t++ == c || c == '?'));
    return false;
}
bool RefAt(const char* p, const char* t, bool ic) {
    if (*p == '\0')
        return true;
    if (p[1] == '*')
        return RefRepeat(p[0], p + 2, t, ic);
    if (p[0] == '$' && p[1] == '\0')
        return *t == '\0';
    if (*t != '\0' && (p[0] == '?' || SameByte(p[0], *t, ic)))
        return RefAt(p + 1, t + 1, ic);
    return false;
}
bool RefLine(const std::string& pattern, const std::string& line, bool ic) {
    if (pattern[0] == '^')
        return RefAt(pattern.c_str() + 1, line.c_str(), ic);
    const char* t = line.c_str();
    do {
        if (RefAt(pattern.c_str(), t, ic))
            return true;
    } while (*t++ != '\0');
    return false;
}
} // namespace

TEST(LineMatcher, AnswersTheRuleTable) {
    for (const MatcherCase& c : MatcherCases()) {
        EXPECT_EQ(MatchLine(c.pattern, c.line, c.ignoreCaps), c.expected)
            << "pattern '" << c.pattern << "' line '" << c.line << "' ignoreCaps " << c.ignoreCaps;
    }
}

TEST(LineMatcher, ZeroByteEndsPatternAndLine) {
    EXPECT_FALSE(MatchLine("b", std::string("a\0b", 3), false));
    EXPECT_TRUE(MatchLine(std::string("a\0z", 3), "xa", false));
    EXPECT_TRUE(MatchLine("a$", std::string("a\0b", 3), false));
}

TEST(LineMatcher, AgreesWithThePlainRecursiveMatcher) {
    const std::string patternBytes = "^$?*aAbB\xE9";
    const std::string lineBytes = "aAbB*$^?\xE9";
    std::mt19937 random(20261207);
    int matched = 0;
    for (int i = 0; i < 120000; ++i) {
        std::string pattern, line;
        const int patternLength = 1 + static_cast<int>(random() % 9);
        const int lineLength = static_cast<int>(random() % 14);
        for (int k = 0; k < patternLength; ++k)
            pattern += patternBytes[random() % patternBytes.size()];
        for (int k = 0; k < lineLength; ++k)
            line += lineBytes[random() % lineBytes.size()];
        const bool ignoreCaps = (i % 2) == 1;
        const bool expected = RefLine(pattern, line, ignoreCaps);
        matched += expected;
        // A matcher object reused for many lines must give the same answers
        // as a fresh one: its failure memory belongs to one line only.
        LineMatcher matcher(pattern, ignoreCaps);
        ASSERT_EQ(matcher.MatchLine(line), expected)
            << "pattern '" << pattern << "' line '" << line << "' ignoreCaps " << ignoreCaps;
        ASSERT_EQ(matcher.MatchLine(line + line), RefLine(pattern, line + line, ignoreCaps));
        ASSERT_EQ(matcher.MatchLine(line), expected);
    }
    // Both answers must be common, or the comparison proves little.
    EXPECT_GT(matched, 10000);
    EXPECT_LT(matched, 110000);
}

TEST(LineMatcher, ManyStarsOnALongLineAnswerWithoutBlowUp) {
    const std::string as(511, 'a');
    EXPECT_FALSE(MatchLine("a*a*a*a*a*a*a*a*a*a*a*a*b", as, false));
    EXPECT_TRUE(MatchLine("a*a*a*a*a*a*a*a*a*a*a*a*", as, false));
    EXPECT_FALSE(MatchLine("?*?*?*?*?*?*?*?*?*?*?*?*?*?*?*?*?*?*?*?*b", as, true));
    EXPECT_TRUE(MatchLine("^a*a*a*a*a*a*a*a*a*a*a*a*a$", as, false));
    std::string stars;
    for (int i = 0; i < 50; ++i)
        stars += "a*";
    EXPECT_FALSE(MatchLine(stars + "b", as + as, false));
}

// Regression: the matcher recursed once per starred pair, so a pattern of
// 65,500 pairs overflowed a 2 MB stack. It runs here on a thread with a 1 MB
// stack, in a child process, so that an overflow fails this test alone.
TEST(LineMatcher, AHugePatternNeedsNoDeepStack) {
    std::string pairs;
    for (int i = 0; i < 100000; ++i)
        pairs += "a*";
    const std::string as(300, 'a');
    const struct {
        std::string pattern;
        std::string line;
        bool expected;
    } cases[] = {
        {pairs + "b", "xaaab", true},          {pairs + "b", "aaaa", false},
        {"^" + pairs + "$", as, true},         {"^" + pairs + "b$", as + "c", false},
        {"^" + pairs + "?*c", as + "c", true},
    };
    const std::string answer = ChildProcess::Run([&cases]() -> std::string {
        std::string problems;
        const bool ran = StackThread::Run(1 << 20, [&] {
            for (const auto& c : cases) {
                if (LineMatcher(c.pattern, false).MatchLine(c.line) != c.expected)
                    problems +=
                        "wrong answer for a line of " + std::to_string(c.line.size()) + " bytes\n";
            }
        });
        return ran ? problems : "no thread";
    });
    EXPECT_EQ(answer, "");
}
