#include "ByteFinder.h"

#include <cstdint>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace {
using Needles = ByteFinder::Needles;

const char* FindScalar(const Needles& n, const char* from, const char* to) {
    for (const char* p = from; p < to; ++p) {
        const unsigned char c = static_cast<unsigned char>(*p);
        if (c == n.stop)
            return p;
        if (c != n.first[0] && c != n.first[1])
            continue;
        if (!n.paired)
            return p;
        const unsigned char s = static_cast<unsigned char>(p[n.distance]);
        if (s == n.second[0] || s == n.second[1])
            return p;
    }
    return to;
}

#if defined(__x86_64__)
struct Avx2Needles {
    __m256i a0, a1, b0, b1, stop;
};

__attribute__((target("avx2"))) inline uint32_t Candidates(const Avx2Needles& v, const char* p,
                                                           ptrdiff_t distance, bool paired) {
    const __m256i block = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
    __m256i hit = _mm256_or_si256(_mm256_cmpeq_epi8(block, v.a0), _mm256_cmpeq_epi8(block, v.a1));
    if (paired) {
        const __m256i later = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + distance));
        hit = _mm256_and_si256(
            hit, _mm256_or_si256(_mm256_cmpeq_epi8(later, v.b0), _mm256_cmpeq_epi8(later, v.b1)));
    }
    hit = _mm256_or_si256(hit, _mm256_cmpeq_epi8(block, v.stop));
    return static_cast<uint32_t>(_mm256_movemask_epi8(hit));
}

__attribute__((target("avx2"))) const char* FindAvx2(const Needles& n, const char* from,
                                                     const char* to) {
    const Avx2Needles v{_mm256_set1_epi8(static_cast<char>(n.first[0])),
                        _mm256_set1_epi8(static_cast<char>(n.first[1])),
                        _mm256_set1_epi8(static_cast<char>(n.second[0])),
                        _mm256_set1_epi8(static_cast<char>(n.second[1])),
                        _mm256_set1_epi8(static_cast<char>(n.stop))};
    const char* p = from;
    for (; to - p >= 64; p += 64) {
        const uint64_t mask = Candidates(v, p, n.distance, n.paired) |
                              static_cast<uint64_t>(Candidates(v, p + 32, n.distance, n.paired))
                                  << 32;
        if (mask != 0)
            return p + __builtin_ctzll(mask);
    }
    for (; to - p >= 32; p += 32) {
        const uint32_t mask = Candidates(v, p, n.distance, n.paired);
        if (mask != 0)
            return p + __builtin_ctz(mask);
    }
    return FindScalar(n, p, to);
}

const char* FindSse2(const Needles& n, const char* from, const char* to) {
    const __m128i a0 = _mm_set1_epi8(static_cast<char>(n.first[0]));
    const __m128i a1 = _mm_set1_epi8(static_cast<char>(n.first[1]));
    const __m128i b0 = _mm_set1_epi8(static_cast<char>(n.second[0]));
    const __m128i b1 = _mm_set1_epi8(static_cast<char>(n.second[1]));
    const __m128i stop = _mm_set1_epi8(static_cast<char>(n.stop));
    const char* p = from;
    for (; to - p >= 16; p += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        __m128i hit = _mm_or_si128(_mm_cmpeq_epi8(block, a0), _mm_cmpeq_epi8(block, a1));
        if (n.paired) {
            const __m128i later = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + n.distance));
            hit = _mm_and_si128(hit,
                                _mm_or_si128(_mm_cmpeq_epi8(later, b0), _mm_cmpeq_epi8(later, b1)));
        }
        hit = _mm_or_si128(hit, _mm_cmpeq_epi8(block, stop));
        const unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(hit));
        if (mask != 0)
            return p + __builtin_ctz(mask);
    }
    return FindScalar(n, p, to);
}

using FindFunction = const char* (*)(const Needles&, const char*, const char*);
const FindFunction kFind = [] {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2") ? FindAvx2 : FindSse2;
}();
#else
const auto kFind = FindScalar;
#endif
} // namespace

ByteFinder::ByteFinder(Set first, Set second, ptrdiff_t distance, unsigned char stop) {
    m_needles.first[0] = first.bytes[0];
    m_needles.first[1] = first.bytes[first.count > 1 ? 1 : 0];
    m_needles.second[0] = second.bytes[0];
    m_needles.second[1] = second.bytes[second.count > 1 ? 1 : 0];
    m_needles.distance = distance;
    m_needles.stop = stop;
    m_needles.paired = second.count > 0;
}

const char* ByteFinder::Find(const char* from, const char* to) const {
    return kFind(m_needles, from, to);
}
