#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Decides whether one line holds a match for a search pattern.
//
// Pattern bytes: a leading '^' anchors at the line start, a trailing '$' at
// its end, '?' is any one byte, a byte followed by '*' is zero or more of that
// exact byte; every other byte is itself, and with ignoreCaps an ASCII letter
// in the pattern also takes its other case. Pattern and line end at their
// first zero byte.
//
// The matcher backtracks like the classic recursive one but remembers which
// (repeat, text position) pairs have already failed, so a line costs at most
// about pattern length x line length steps whatever the number of stars. It
// keeps its backtracking points on a stack of its own, not on the thread's,
// so a pattern of any length needs no deep stack. One object is used by one
// thread at a time.
class LineMatcher {
public:
    LineMatcher(std::string_view pattern, bool ignoreCaps);

    bool MatchLine(std::string_view line);

    const std::string& Pattern() const { return m_pattern; }
    bool IgnoreCaps() const { return m_ignoreCaps; }

private:
    enum class Walk { Match, Fail, Repeat };
    // A starred pair being tried, and the text position its run has reached.
    struct Open {
        size_t p;
        size_t t;
    };

    // The first place from `from` on that holds the start byte, or the length.
    size_t NextStart(size_t from) const;
    // Does the pattern from byte p match the text from byte t?
    bool Match(size_t p, size_t t);
    // The same, with p at a starred pair.
    bool MatchPairs(size_t p, size_t t);
    // Walks pattern and text together through the plain bytes from (p, t), up
    // to the end of the pattern (Match), a byte that does not match (Fail) or
    // a starred pair (Repeat, with p at it).
    Walk MatchAt(size_t& p, size_t& t) const;
    // The rest after the innermost open pair failed: its run takes one more
    // byte, and (p, t) is where the rest is tried again. Pairs whose run
    // cannot grow are closed, failing the pair around them in turn; false
    // when none is left.
    bool MatchRepeat(size_t& p, size_t& t);
    bool SameByte(unsigned char patternByte, unsigned char textByte) const;
    bool HasFailed(size_t p, size_t t) const;
    void MarkFailed(size_t p, size_t t);

    std::string m_pattern;
    bool m_ignoreCaps;
    const unsigned char* m_text = nullptr;
    size_t m_length = 0;

    // The first byte of a pattern that can match only where it is, with its
    // case bit set when either case will do (0x20, else 0); -1 when any place
    // can start a match.
    int m_startByte = -1;
    unsigned char m_startBits = 0;
    // Repeat number of each pattern position that starts a starred pair, or -1.
    std::vector<int> m_repeatOf;
    size_t m_repeats = 0;
    std::vector<Open> m_open; // innermost last; never longer than the number of repeats
    // One bit per (repeat, text position) known to fail on the current line.
    std::vector<uint64_t> m_failed;
    size_t m_rowWords = 0;
    bool m_failedDirty = false;
};
