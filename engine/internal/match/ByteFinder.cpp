#include "engine/internal/match/ByteFinder.h"

#include <algorithm>
#include <cstdint>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace {
using Needles = ByteFinder::Needles;
using Width = ByteFinder::Width;

// Paired: the second needle is tested too. Folded: some needle lets both
// cases of a letter through, so text bytes get their case bits first.
template <bool Paired, bool Folded> bool IsCandidate(const Needles& n, const char* p) {
    const auto is = [](char c, ByteFinder::Needle needle) {
        const unsigned char byte = static_cast<unsigned char>(c);
        return (Folded ? byte | needle.caseBits : byte) == needle.byte;
    };
    return static_cast<unsigned char>(*p) == n.stop ||
           (is(*p, n.first) && (!Paired || is(p[n.distance], n.second)));
}

template <bool Paired, bool Folded>
const char* FindPlain(const Needles& n, const char* from, const char* to) {
    for (const char* p = from; p < to; ++p) {
        if (IsCandidate<Paired, Folded>(n, p))
            return p;
    }
    return to;
}

#if defined(__x86_64__)
// Each vector search tests the first chunk at `from`, then chunks aligned to
// their size, and last the chunk that ends at `to`: it overlaps bytes already
// tested, which hold no candidate, so its first candidate is a new one. No
// byte outside [from, to) (and its second needles) is read.

template <bool Paired, bool Folded>
inline unsigned Sse2Hits(const Needles& n, const __m128i* v, const char* p) {
    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    __m128i hit = _mm_cmpeq_epi8(Folded ? _mm_or_si128(block, v[1]) : block, v[0]);
    if constexpr (Paired) {
        __m128i later = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + n.distance));
        if constexpr (Folded)
            later = _mm_or_si128(later, v[3]);
        hit = _mm_and_si128(hit, _mm_cmpeq_epi8(later, v[2]));
    }
    hit = _mm_or_si128(hit, _mm_cmpeq_epi8(block, v[4]));
    return static_cast<unsigned>(_mm_movemask_epi8(hit));
}

template <bool Paired, bool Folded>
const char* FindSse2(const Needles& n, const char* from, const char* to) {
    if (to - from < 16)
        return FindPlain<Paired, Folded>(n, from, to);
    // The first needle and its case bits, the second and its case bits, the stop.
    const __m128i v[5] = {_mm_set1_epi8(static_cast<char>(n.first.byte)),
                          _mm_set1_epi8(static_cast<char>(n.first.caseBits)),
                          _mm_set1_epi8(static_cast<char>(n.second.byte)),
                          _mm_set1_epi8(static_cast<char>(n.second.caseBits)),
                          _mm_set1_epi8(static_cast<char>(n.stop))};
    if (const unsigned hit = Sse2Hits<Paired, Folded>(n, v, from))
        return from + __builtin_ctz(hit);
    const char* p = from + 16 - reinterpret_cast<uintptr_t>(from + 16) % 16;
    for (; to - p >= 16; p += 16) {
        if (const unsigned hit = Sse2Hits<Paired, Folded>(n, v, p))
            return p + __builtin_ctz(hit);
    }
    if (p < to) {
        if (const unsigned hit = Sse2Hits<Paired, Folded>(n, v, to - 16))
            return to - 16 + __builtin_ctz(hit);
    }
    return to;
}

template <bool Paired, bool Folded>
__attribute__((target("avx2"))) inline __m256i Avx2Hits(const Needles& n, const __m256i* v,
                                                        const char* p) {
    const __m256i block = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
    __m256i hit = _mm256_cmpeq_epi8(Folded ? _mm256_or_si256(block, v[1]) : block, v[0]);
    if constexpr (Paired) {
        __m256i later = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + n.distance));
        if constexpr (Folded)
            later = _mm256_or_si256(later, v[3]);
        hit = _mm256_and_si256(hit, _mm256_cmpeq_epi8(later, v[2]));
    }
    return _mm256_or_si256(hit, _mm256_cmpeq_epi8(block, v[4]));
}

__attribute__((target("avx2"))) inline uint32_t Avx2Mask(__m256i hit) {
    return static_cast<uint32_t>(_mm256_movemask_epi8(hit));
}

template <bool Paired, bool Folded>
__attribute__((target("avx2"))) const char* FindAvx2(const Needles& n, const char* from,
                                                     const char* to) {
    if (to - from < 32)
        return FindSse2<Paired, Folded>(n, from, to);
    const __m256i v[5] = {_mm256_set1_epi8(static_cast<char>(n.first.byte)),
                          _mm256_set1_epi8(static_cast<char>(n.first.caseBits)),
                          _mm256_set1_epi8(static_cast<char>(n.second.byte)),
                          _mm256_set1_epi8(static_cast<char>(n.second.caseBits)),
                          _mm256_set1_epi8(static_cast<char>(n.stop))};
    if (const uint32_t hit = Avx2Mask(Avx2Hits<Paired, Folded>(n, v, from)))
        return from + __builtin_ctz(hit);
    const char* p = from + 32 - reinterpret_cast<uintptr_t>(from + 32) % 32;
    for (; to - p >= 64; p += 64) {
        const __m256i low = Avx2Hits<Paired, Folded>(n, v, p);
        const __m256i high = Avx2Hits<Paired, Folded>(n, v, p + 32);
        const __m256i any = _mm256_or_si256(low, high);
        if (!_mm256_testz_si256(any, any)) {
            const uint32_t lowMask = Avx2Mask(low);
            return lowMask ? p + __builtin_ctz(lowMask) : p + 32 + __builtin_ctz(Avx2Mask(high));
        }
    }
    if (to - p >= 32) {
        if (const uint32_t hit = Avx2Mask(Avx2Hits<Paired, Folded>(n, v, p)))
            return p + __builtin_ctz(hit);
        p += 32;
    }
    if (p < to) {
        if (const uint32_t hit = Avx2Mask(Avx2Hits<Paired, Folded>(n, v, to - 32)))
            return to - 32 + __builtin_ctz(hit);
    }
    return to;
}

template <bool Paired, bool Folded>
__attribute__((target("avx512bw"))) inline uint64_t Avx512Hits(const Needles& n, const __m512i* v,
                                                               const char* p) {
    const __m512i block = _mm512_loadu_si512(p);
    __mmask64 hit = _mm512_cmpeq_epi8_mask(Folded ? _mm512_or_si512(block, v[1]) : block, v[0]);
    if constexpr (Paired) {
        __m512i later = _mm512_loadu_si512(p + n.distance);
        if constexpr (Folded)
            later = _mm512_or_si512(later, v[3]);
        hit = _mm512_mask_cmpeq_epi8_mask(hit, later, v[2]);
    }
    return static_cast<uint64_t>(hit) | _mm512_cmpeq_epi8_mask(block, v[4]);
}

template <bool Paired, bool Folded>
__attribute__((target("avx512bw"))) const char* FindAvx512(const Needles& n, const char* from,
                                                           const char* to) {
    if (to - from < 64)
        return FindAvx2<Paired, Folded>(n, from, to);
    const __m512i v[5] = {_mm512_set1_epi8(static_cast<char>(n.first.byte)),
                          _mm512_set1_epi8(static_cast<char>(n.first.caseBits)),
                          _mm512_set1_epi8(static_cast<char>(n.second.byte)),
                          _mm512_set1_epi8(static_cast<char>(n.second.caseBits)),
                          _mm512_set1_epi8(static_cast<char>(n.stop))};
    if (const uint64_t hit = Avx512Hits<Paired, Folded>(n, v, from))
        return from + __builtin_ctzll(hit);
    const char* p = from + 64 - reinterpret_cast<uintptr_t>(from + 64) % 64;
    for (; to - p >= 128; p += 128) {
        const uint64_t low = Avx512Hits<Paired, Folded>(n, v, p);
        const uint64_t high = Avx512Hits<Paired, Folded>(n, v, p + 64);
        if ((low | high) != 0)
            return low ? p + __builtin_ctzll(low) : p + 64 + __builtin_ctzll(high);
    }
    if (to - p >= 64) {
        if (const uint64_t hit = Avx512Hits<Paired, Folded>(n, v, p))
            return p + __builtin_ctzll(hit);
        p += 64;
    }
    if (p < to) {
        if (const uint64_t hit = Avx512Hits<Paired, Folded>(n, v, to - 64))
            return to - 64 + __builtin_ctzll(hit);
    }
    return to;
}

Width Supported() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx512bw") ? Width::Avx512
           : __builtin_cpu_supports("avx2")   ? Width::Avx2
                                              : Width::Sse2;
}
#else
Width Supported() {
    return Width::Plain;
}
#endif

template <bool Paired, bool Folded> ByteFinder::Function For(Width width) {
    switch (width) {
#if defined(__x86_64__)
    case Width::Avx512:
        return FindAvx512<Paired, Folded>;
    case Width::Avx2:
        return FindAvx2<Paired, Folded>;
    case Width::Sse2:
        return FindSse2<Paired, Folded>;
#endif
    default:
        return FindPlain<Paired, Folded>;
    }
}
} // namespace

ByteFinder::ByteFinder(Needle first, Needle second, ptrdiff_t distance, bool paired,
                       unsigned char stop, Width widest)
    : m_needles{first, second, distance, stop} {
    static const Width supported = Supported();
    const Width width = std::min(widest, supported);
    const bool folded = first.caseBits != 0 || (paired && second.caseBits != 0);
    m_find = paired ? (folded ? For<true, true>(width) : For<true, false>(width))
                    : (folded ? For<false, true>(width) : For<false, false>(width));
}
