#include "PatternLiteral.h"

#include <vector>

namespace {
// How common each byte is in text and source files, on a log scale
// (255 = every byte, 0 = never seen), measured on a typical Linux system.
const unsigned char kByteFrequency[256] = {
    151, 85,  66,  57,  52,  55,  45,  34,  51,  91,  145, 35,  39,  35,  37,  48,  38,  23,  21,
    23,  23,  24,  14,  14,  23,  17,  9,   9,   9,   6,   7,   16,  199, 32,  96,  97,  64,  25,
    50,  89,  119, 120, 119, 39,  117, 107, 112, 123, 115, 104, 100, 86,  81,  86,  80,  72,  79,
    84,  100, 95,  97,  91,  100, 16,  49,  118, 89,  116, 100, 126, 95,  91,  89,  118, 35,  76,
    116, 97,  116, 114, 111, 43,  115, 128, 121, 89,  80,  56,  83,  66,  41,  70,  65,  71,  1,
    153, 62,  152, 111, 143, 142, 172, 129, 116, 128, 155, 69,  106, 142, 126, 156, 153, 134, 52,
    153, 157, 163, 130, 102, 92,  98,  111, 64,  61,  60,  65,  12,  1,   33,  1,   1,   8,   20,
    4,   1,   1,   32,  35,  1,   20,  7,   12,  1,   1,   24,  1,   1,   10,  1,   1,   1,   5,
    12,  1,   1,   1,   1,   1,   1,   1,   42,  1,   1,   1,   1,   1,   29,  1,   2,   1,   1,
    30,  1,   1,   1,   1,   1,   1,   1,   1,   1,   1,   1,   1,   1,   1,   1,   1,   1,   1,
    1,   1,   7,   1,   24,  1,   1,   1,   1,   1,   1,   1,   1,   1,   1,   1,   46,  24,  1,
    1,   30,  1,   1,   1,   33,  1,   52,  1,   1,   1,   1,   1,   7,   1,   1,   1,   1,   1,
    1,   1,   11,  1,   1,   1,   1,   1,   1,   1,   67,  1,   1,   2,   1,   1,   1,   1,   1,
    1,   1,   1,   1,   1,   1,   44,
};

bool IsLetter(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The frequency of a byte as the search meets it: both cases of a folded letter.
int Frequency(unsigned char c, bool folded) {
    if (!folded || !IsLetter(c))
        return kByteFrequency[c];
    // Two bytes searched at once count as the more common one, plus a little.
    const int a = kByteFrequency[c | 0x20], b = kByteFrequency[c & ~0x20];
    return (a > b ? a : b) + 4;
}
} // namespace

PatternLiteral::PatternLiteral(std::string_view pattern, bool ignoreCaps) : m_folded(ignoreCaps) {
    pattern = pattern.substr(0, pattern.find('\0'));
    // Split the pattern as the matcher reads it into runs of plain bytes.
    std::vector<std::string> runs(1);
    size_t p = (!pattern.empty() && pattern[0] == '^') ? 1 : 0;
    const size_t first = p;
    bool onlyPlain = true;
    while (p < pattern.size()) {
        const char c = pattern[p];
        if (p + 1 < pattern.size() && pattern[p + 1] == '*') {
            runs.emplace_back();
            onlyPlain = false;
            p += 2;
        } else if (c == '?' || (c == '$' && p + 1 == pattern.size())) {
            runs.emplace_back();
            onlyPlain = false;
            ++p;
        } else {
            runs.back() += c;
            ++p;
        }
    }
    int best = 1 << 30;
    for (const std::string& run : runs) {
        for (size_t i = 0; i < run.size(); ++i) {
            const int f = Frequency(static_cast<unsigned char>(run[i]), m_folded);
            // Rarer needle first; between equals, the longer run.
            if (f < best || (f == best && run.size() > m_text.size())) {
                best = f;
                m_text = run;
                m_first.index = i;
            }
        }
    }
    m_whole = onlyPlain && first == 0 && !m_text.empty();
    for (const char c : m_text) {
        const unsigned char byte = static_cast<unsigned char>(c);
        const unsigned char bits = m_folded && IsLetter(byte) ? 0x20 : 0;
        m_caseBits.push_back(bits);
        m_foldedText.push_back(byte | bits);
    }
    if (m_text.empty())
        return;
    int second = 1 << 30;
    for (size_t i = 0; i < m_text.size(); ++i) {
        const int f = Frequency(static_cast<unsigned char>(m_text[i]), m_folded);
        if (i != m_first.index && f < second) {
            second = f;
            m_second.index = i;
        }
    }
    for (Needle* needle : {&m_first, &m_second}) {
        needle->byte = m_foldedText[needle->index];
        needle->caseBits = m_caseBits[needle->index];
    }
}
