#include "LineMatcher.h"

#include <algorithm>
#include <cstring>

namespace {
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
        return MatchAt(1, 0);
    // The end of the line is a start position too: '$' and 'x*' match there.
    for (size_t start = 0; start <= m_length; ++start) {
        if (MatchAt(0, start))
            return true;
    }
    return false;
}

bool LineMatcher::MatchAt(size_t p, size_t t) {
    const size_t n = m_pattern.size();
    for (;; ++p, ++t) {
        if (p == n)
            return true;
        const unsigned char c = m_pattern[p];
        if (p + 1 < n && m_pattern[p + 1] == '*')
            return MatchRepeat(p, t);
        if (c == '$' && p + 1 == n)
            return t == m_length;
        if (t == m_length || !(c == '?' || SameByte(c, m_text[t])))
            return false;
    }
}

// Shortest run first. A true answer ends the whole line test at once, so a
// position is marked failed as soon as the rest did not match there: if the
// longer runs succeed, the marks are never read again.
bool LineMatcher::MatchRepeat(size_t p, size_t t) {
    const unsigned char starred = m_pattern[p];
    for (;;) {
        if (HasFailed(p, t))
            return false;
        if (MatchAt(p + 2, t))
            return true;
        MarkFailed(p, t);
        if (t == m_length)
            return false;
        // The starred byte is compared exactly: case folding does not apply.
        if (starred != '?' && m_text[t] != starred)
            return false;
        ++t;
    }
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

bool MatchLine(std::string_view pattern, std::string_view line, bool ignoreCaps) {
    return LineMatcher(pattern, ignoreCaps).MatchLine(line);
}
