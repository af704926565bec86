#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// A run of bytes that every line accepted by a pattern contains: pattern
// bytes that are neither '?', nor starred, nor anchors. With case folding an
// ASCII letter of the run stands for both its cases. Of all such runs the one
// with the rarest byte is kept, and that byte (the needle) is what the search
// looks for first.
class PatternLiteral {
public:
    PatternLiteral(std::string_view pattern, bool ignoreCaps);

    // False when the pattern has no such run ('?', '$', 'x*').
    bool Exists() const { return !m_text.empty(); }
    const std::string& Text() const { return m_text; }
    bool Folded() const { return m_folded; }
    // True when the pattern is just the run: containing it is matching.
    bool IsWholePattern() const { return m_whole; }
    // Where the needle lies in the run, and the bytes it stands for (1 or 2).
    size_t NeedleIndex() const { return m_needleIndex; }
    const unsigned char* NeedleBytes() const { return m_needleBytes; }
    int NeedleCount() const { return m_needleCount; }

    // Whether the run occurs at `at`; `at` + the run's length must be valid.
    bool OccursAt(const char* at) const;

private:
    std::string m_text;
    bool m_folded;
    bool m_whole = false;
    size_t m_needleIndex = 0;
    unsigned char m_needleBytes[2] = {0, 0};
    int m_needleCount = 0;
};
