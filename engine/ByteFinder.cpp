#include "ByteFinder.h"

#include <cstdint>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace {
using Needles = ByteFinder::Needles;

// F: bytes in the first set (1 or 2); S: in the second (0 = no second test).
template <int F, int S> bool IsCandidate(const Needles& n, const char* p) {
    const unsigned char c = static_cast<unsigned char>(*p);
    if (c != n.first[0] && (F == 1 || c != n.first[1]))
        return false;
    if constexpr (S == 0) {
        return true;
    } else {
        const unsigned char s = static_cast<unsigned char>(p[n.distance]);
        return s == n.second[0] || (S == 2 && s == n.second[1]);
    }
}

template <int F, int S> const char* FindScalar(const Needles& n, const char* from, const char* to) {
    for (const char* p = from; p < to; ++p) {
        if (IsCandidate<F, S>(n, p))
            return p;
    }
    return to;
}

#if defined(__x86_64__)
struct Avx2Needles {
    __m256i a0, a1, b0, b1;
};

template <int F, int S>
__attribute__((target("avx2"))) inline __m256i Candidates(const Avx2Needles& v, const char* p,
                                                          ptrdiff_t distance) {
    const __m256i block = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
    __m256i hit = _mm256_cmpeq_epi8(block, v.a0);
    if constexpr (F == 2)
        hit = _mm256_or_si256(hit, _mm256_cmpeq_epi8(block, v.a1));
    if constexpr (S > 0) {
        const __m256i later = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + distance));
        __m256i second = _mm256_cmpeq_epi8(later, v.b0);
        if constexpr (S == 2)
            second = _mm256_or_si256(second, _mm256_cmpeq_epi8(later, v.b1));
        hit = _mm256_and_si256(hit, second);
    }
    return hit;
}

template <int F, int S>
__attribute__((target("avx2"))) const char* FindAvx2(const Needles& n, const char* from,
                                                     const char* to) {
    const Avx2Needles v{_mm256_set1_epi8(static_cast<char>(n.first[0])),
                        _mm256_set1_epi8(static_cast<char>(n.first[1])),
                        _mm256_set1_epi8(static_cast<char>(n.second[0])),
                        _mm256_set1_epi8(static_cast<char>(n.second[1]))};
    const char* p = from;
    for (; to - p >= 64; p += 64) {
        const __m256i low = Candidates<F, S>(v, p, n.distance);
        const __m256i high = Candidates<F, S>(v, p + 32, n.distance);
        const __m256i any = _mm256_or_si256(low, high);
        if (!_mm256_testz_si256(any, any)) {
            const uint64_t mask =
                static_cast<uint32_t>(_mm256_movemask_epi8(low)) |
                static_cast<uint64_t>(static_cast<uint32_t>(_mm256_movemask_epi8(high))) << 32;
            return p + __builtin_ctzll(mask);
        }
    }
    if (to - p >= 32) {
        const uint32_t mask =
            static_cast<uint32_t>(_mm256_movemask_epi8(Candidates<F, S>(v, p, n.distance)));
        if (mask != 0)
            return p + __builtin_ctz(mask);
        p += 32;
    }
    return FindScalar<F, S>(n, p, to);
}

template <int F, int S> const char* FindSse2(const Needles& n, const char* from, const char* to) {
    const __m128i a0 = _mm_set1_epi8(static_cast<char>(n.first[0]));
    const __m128i a1 = _mm_set1_epi8(static_cast<char>(n.first[1]));
    const __m128i b0 = _mm_set1_epi8(static_cast<char>(n.second[0]));
    const __m128i b1 = _mm_set1_epi8(static_cast<char>(n.second[1]));
    const char* p = from;
    for (; to - p >= 16; p += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        __m128i hit = _mm_cmpeq_epi8(block, a0);
        if constexpr (F == 2)
            hit = _mm_or_si128(hit, _mm_cmpeq_epi8(block, a1));
        if constexpr (S > 0) {
            const __m128i later = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + n.distance));
            __m128i second = _mm_cmpeq_epi8(later, b0);
            if constexpr (S == 2)
                second = _mm_or_si128(second, _mm_cmpeq_epi8(later, b1));
            hit = _mm_and_si128(hit, second);
        }
        const unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(hit));
        if (mask != 0)
            return p + __builtin_ctz(mask);
    }
    return FindScalar<F, S>(n, p, to);
}

const bool kAvx2 = [] {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2");
}();

template <int F, int S> ByteFinder::Function Choose() {
    return kAvx2 ? FindAvx2<F, S> : FindSse2<F, S>;
}
#else
template <int F, int S> ByteFinder::Function Choose() {
    return FindScalar<F, S>;
}
#endif

ByteFinder::Function ChooseFor(int first, int second) {
    using Function = ByteFinder::Function;
    static const Function functions[2][3] = {
        {Choose<1, 0>(), Choose<1, 1>(), Choose<1, 2>()},
        {Choose<2, 0>(), Choose<2, 1>(), Choose<2, 2>()},
    };
    return functions[first > 1 ? 1 : 0][second];
}
} // namespace

ByteFinder::ByteFinder(Set first, Set second, ptrdiff_t distance)
    : m_find(ChooseFor(first.count, second.count)) {
    m_needles.first[0] = first.bytes[0];
    m_needles.first[1] = first.bytes[first.count > 1 ? 1 : 0];
    m_needles.second[0] = second.bytes[0];
    m_needles.second[1] = second.bytes[second.count > 1 ? 1 : 0];
    m_needles.distance = distance;
}
