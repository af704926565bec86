#include "engine/internal/match/LineMatcher.h"

#include <algorithm>
#include <cstring>

namespace {
bool IsLetter(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

std::string_view UpToZero(std::string_view text) {
    return text.substr(0, std::min(text.find('\0'), text.size()));
}
} // namespace

LineMatcher::LineMatcher(std::string_view pattern, bool ignoreCaps)
    : m_pattern(UpToZero(pattern)), m_ignoreCaps(ignoreCaps), m_repeatOf(m_pattern.size(), -1) {
    // Pairs are read from the left, after a leading anchor: "x**" is a run of
    // x then a literal star, so the scan skips both bytes of every pair.
    size_t p = (!m_pattern.empty() && m_pattern[0] == '^') ? 1 : 0;
    while (p < m_pattern.size()) {
        if (p + 1 < m_pattern.size() && m_pattern[p + 1] == '*') {
            m_repeatOf[p] = static_cast<int>(m_repeats++);
            p += 2;
        } else {
            ++p;
        }
    }
    m_open.reserve(m_repeats);
    // An unanchored pattern that starts with a plain byte matches only from a
    // place holding that byte.
    const size_t n = m_pattern.size();
    const unsigned char first = n > 0 ? m_pattern[0] : 0;
    if (n > 0 && first != '^' && first != '?' && !(n > 1 && m_pattern[1] == '*') &&
        !(first == '$' && n == 1)) {
        m_startBits = m_ignoreCaps && IsLetter(first) ? 0x20 : 0;
        m_startByte = first | m_startBits;
    }
}

bool LineMatcher::MatchLine(std::string_view line) {
    line = UpToZero(line);
    m_text = reinterpret_cast<const unsigned char*>(line.data());
    m_length = line.size();
    if (m_repeats > 0) {
        if (m_failedDirty) {
            std::fill(m_failed.begin(), m_failed.end(), 0);
            m_failedDirty = false;
        }
        m_rowWords = (m_length + 1 + 63) / 64;
        if (m_failed.size() < m_repeats * m_rowWords)
            m_failed.resize(m_repeats * m_rowWords);
    }
    if (!m_pattern.empty() && m_pattern[0] == '^')
        return Match(1, 0);
    if (m_startByte >= 0) {
        for (size_t start = 0; (start = NextStart(start)) < m_length; ++start) {
            if (Match(0, start))
                return true;
        }
        return false;
    }
    // The end of the line is a start position too: '$' and 'x*' match there.
    for (size_t start = 0; start <= m_length; ++start) {
        if (Match(0, start))
            return true;
    }
    return false;
}

size_t LineMatcher::NextStart(size_t from) const {
    if (m_startBits == 0) {
        const void* at = std::memchr(m_text + from, m_startByte, m_length - from);
        return at ? static_cast<size_t>(static_cast<const unsigned char*>(at) - m_text) : m_length;
    }
    while (from < m_length && (m_text[from] | m_startBits) != m_startByte)
        ++from;
    return from;
}

bool LineMatcher::Match(size_t p, size_t t) {
    const Walk walk = MatchAt(p, t);
    return walk == Walk::Repeat ? MatchPairs(p, t) : walk == Walk::Match;
}

// A starred pair is tried with the shortest run first: the rest after it is
// tried at the pair's position, and when it fails, the run takes one more
// byte (MatchRepeat). A true answer ends the whole line test at once, so a
// pair's position is marked failed as soon as the rest did not match there:
// if a longer run succeeds, the marks are never read again.
bool LineMatcher::MatchPairs(size_t p, size_t t) {
    m_open.clear();
    Walk walk = Walk::Repeat;
    for (;;) {
        if (walk == Walk::Repeat) {
            if (!HasFailed(p, t)) {
                m_open.push_back({p, t});
                p += 2;
                walk = MatchAt(p, t);
                continue;
            }
            walk = Walk::Fail;
        }
        if (walk == Walk::Match)
            return true;
        if (!MatchRepeat(p, t))
            return false;
        walk = MatchAt(p, t);
    }
}

LineMatcher::Walk LineMatcher::MatchAt(size_t& p, size_t& t) const {
    const size_t n = m_pattern.size();
    for (;; ++p, ++t) {
        if (p == n)
            return Walk::Match;
        const unsigned char c = m_pattern[p];
        if (p + 1 < n && m_pattern[p + 1] == '*')
            return Walk::Repeat;
        if (c == '$' && p + 1 == n)
            return t == m_length ? Walk::Match : Walk::Fail;
        if (t == m_length || !(c == '?' || SameByte(c, m_text[t])))
            return Walk::Fail;
    }
}

bool LineMatcher::MatchRepeat(size_t& p, size_t& t) {
    while (!m_open.empty()) {
        Open& pair = m_open.back();
        MarkFailed(pair.p, pair.t);
        const unsigned char starred = m_pattern[pair.p];
        // The starred byte is compared exactly: case folding does not apply.
        const bool grows = pair.t < m_length && (starred == '?' || m_text[pair.t] == starred);
        if (grows && !HasFailed(pair.p, pair.t + 1)) {
            p = pair.p + 2;
            t = ++pair.t;
            return true;
        }
        m_open.pop_back();
    }
    return false;
}

bool LineMatcher::SameByte(unsigned char patternByte, unsigned char textByte) const {
    if (patternByte == textByte)
        return true;
    if (!m_ignoreCaps)
        return false;
    if (patternByte >= 'A' && patternByte <= 'Z')
        return textByte == patternByte + 32;
    if (patternByte >= 'a' && patternByte <= 'z')
        return textByte == patternByte - 32;
    return false;
}

bool LineMatcher::HasFailed(size_t p, size_t t) const {
    const size_t bit = static_cast<size_t>(m_repeatOf[p]) * m_rowWords * 64 + t;
    return (m_failed[bit / 64] >> (bit % 64)) & 1;
}

void LineMatcher::MarkFailed(size_t p, size_t t) {
    const size_t bit = static_cast<size_t>(m_repeatOf[p]) * m_rowWords * 64 + t;
    m_failed[bit / 64] |= uint64_t{1} << (bit % 64);
    m_failedDirty = true;
}
