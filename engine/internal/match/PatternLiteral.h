#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// A run of bytes that every line accepted by a pattern contains: pattern
// bytes that are neither '?', nor starred, nor anchors. With case folding an
// ASCII letter of the run stands for both its cases. Of all such runs the one
// with the rarest byte is kept; that byte and the next rarest of the run (the
// needles) are what the search looks for first.
class PatternLiteral {
public:
    PatternLiteral(std::string_view pattern, bool ignoreCaps);

    // False when the pattern has no such run ('?', '$', 'x*').
    bool Exists() const { return !m_text.empty(); }
    const std::string& Text() const { return m_text; }
    bool Folded() const { return m_folded; }
    // True when the pattern is just the run: containing it is matching.
    bool IsWholePattern() const { return m_whole; }
    // A needle: where it lies in the run, and the byte a text byte must be
    // once its case bits are set (0x20 for a letter that stands for both its
    // cases, else 0). A run of one byte has no second needle.
    struct Needle {
        size_t index = 0;
        unsigned char byte = 0;
        unsigned char caseBits = 0;
    };
    const Needle& First() const { return m_first; }
    bool HasSecond() const { return m_text.size() > 1; }
    const Needle& Second() const { return m_second; }

    // Whether the run occurs at `at`; `at` + the run's length must be valid.
    bool OccursAt(const char* at) const {
        for (size_t i = 0; i < m_text.size(); ++i) {
            if ((static_cast<unsigned char>(at[i]) | m_caseBits[i]) != m_foldedText[i])
                return false;
        }
        return true;
    }

private:
    std::string m_text;
    // Per byte of the run: 0x20 where a letter stands for both its cases,
    // else 0; and the run's bytes with those bits set. A text byte `t` is in
    // its place when (t | bits) is the run's byte with its bits: for a letter
    // only its two cases give that.
    std::vector<unsigned char> m_caseBits;
    std::vector<unsigned char> m_foldedText;
    bool m_folded;
    bool m_whole = false;
    Needle m_first;
    Needle m_second;
};
