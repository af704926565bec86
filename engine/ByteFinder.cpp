#include "ByteFinder.h"

#include <cstdint>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace {
const char* FindScalar(const unsigned char* b, const char* from, const char* to) {
    for (const char* p = from; p < to; ++p) {
        const unsigned char c = static_cast<unsigned char>(*p);
        if (c == b[0] || c == b[1] || c == b[2])
            return p;
    }
    return to;
}

#if defined(__x86_64__)
__attribute__((target("avx2"))) inline __m256i Hits(__m256i v, __m256i n0, __m256i n1, __m256i n2) {
    return _mm256_or_si256(_mm256_or_si256(_mm256_cmpeq_epi8(v, n0), _mm256_cmpeq_epi8(v, n1)),
                           _mm256_cmpeq_epi8(v, n2));
}

__attribute__((target("avx2"))) const char* FindAvx2(const unsigned char* b, const char* from,
                                                     const char* to) {
    const __m256i n0 = _mm256_set1_epi8(static_cast<char>(b[0]));
    const __m256i n1 = _mm256_set1_epi8(static_cast<char>(b[1]));
    const __m256i n2 = _mm256_set1_epi8(static_cast<char>(b[2]));
    const char* p = from;
    for (; to - p >= 64; p += 64) {
        const __m256i a = Hits(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(p)), n0, n1, n2);
        const __m256i c =
            Hits(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + 32)), n0, n1, n2);
        if (_mm256_testz_si256(_mm256_or_si256(a, c), _mm256_or_si256(a, c)))
            continue;
        const uint64_t mask =
            static_cast<uint32_t>(_mm256_movemask_epi8(a)) |
            (static_cast<uint64_t>(static_cast<uint32_t>(_mm256_movemask_epi8(c))) << 32);
        return p + __builtin_ctzll(mask);
    }
    for (; to - p >= 32; p += 32) {
        const uint32_t mask = static_cast<uint32_t>(_mm256_movemask_epi8(
            Hits(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(p)), n0, n1, n2)));
        if (mask != 0)
            return p + __builtin_ctz(mask);
    }
    return FindScalar(b, p, to);
}

const char* FindSse2(const unsigned char* b, const char* from, const char* to) {
    const __m128i n0 = _mm_set1_epi8(static_cast<char>(b[0]));
    const __m128i n1 = _mm_set1_epi8(static_cast<char>(b[1]));
    const __m128i n2 = _mm_set1_epi8(static_cast<char>(b[2]));
    const char* p = from;
    for (; to - p >= 16; p += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const __m128i hit = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, n0), _mm_cmpeq_epi8(v, n1)),
                                         _mm_cmpeq_epi8(v, n2));
        const unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(hit));
        if (mask != 0)
            return p + __builtin_ctz(mask);
    }
    return FindScalar(b, p, to);
}

using FindFunction = const char* (*)(const unsigned char*, const char*, const char*);
const FindFunction kFind = [] {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2") ? FindAvx2 : FindSse2;
}();
#else
const auto kFind = FindScalar;
#endif
} // namespace

ByteFinder::ByteFinder(const unsigned char* bytes, int count) {
    for (int i = 0; i < 3; ++i)
        m_bytes[i] = bytes[i < count ? i : 0];
}

const char* ByteFinder::Find(const char* from, const char* to) const {
    return kFind(m_bytes, from, to);
}
