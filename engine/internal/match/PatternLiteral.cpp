#include "engine/internal/match/PatternLiteral.h"

#include <vector>

namespace {
// How common each byte is in text and source files, on a log scale
// (255 = every byte, 1 = seen but rare, 0 = never seen), as bench/byte-frequency
// measured it on the benchmark corpus (headers, documentation and sources).
// clang-format off
const unsigned char kByteFrequency[] = {
     27,   1,   1,   1,   1,   1,   1,   1,   1,  90, 154,   1,   1,  54,   1,   1,
      1,   1,   1,   1,   1,   1,   1,   1,   1,   1,   1,   1,   1,   1,   1,   1,
    199,   7, 104,  77,  44,   2,  48,  90, 109, 107, 102,  72, 114, 126, 134, 123,
    126, 113, 113,  98,  98,  98,  91,  87,  90,  90, 112,  81,  98,  91,  99,   1,
     52, 112,  90, 106,  95, 116,  87,  81,  78, 110,  44,  67, 103,  89, 105, 101,
    108,  26, 113, 119, 115,  83,  72,  53,  69,  52,  15,  67, 116,  67,   1, 137,
     56, 160, 121, 147, 145, 176, 138, 126, 134, 160,  75, 104, 147, 135, 159, 159,
    138,  53, 156, 159, 167, 136, 108, 100, 102, 113,  58,  52,  38,  52,  24,   1,
     23,   1,   1,   1,   1,   1,   1,   1,   1,   1,   1,   1,   1,   1,   1,   1,
      1,   1,   1,   1,  20,   1,   1,   1,   1,   1,   1,   1,   1,   1,   1,   1,
      3,   1,   1,   1,   1,   1,   1,   1,   1,   1,   1,   1,   1,   1,   1,   1,
      1,   1,   1,   1,   1,   1,   1,   1,   1,   1,   1,   1,   1,   1,   1,   1,
      1,   1,   3,   3,   1,   1,   1,   1,   1,   1,   1,   1,   1,   1,   1,   1,
     40,  17,   1,   1,   1,   1,   1,   1,   1,   1,   1,   1,   1,   1,   1,   1,
      1,   1,  23,   1,   1,   1,   1,   1,   1,   1,   1,   1,   1,   1,   1,   1,
      1,   1,   1,   1,   1,   1,   1,   1,   1,   1,   1,   1,   1,   1,   1,   1,
};
// clang-format on
static_assert(sizeof kByteFrequency == 256, "one entry per byte value");

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
