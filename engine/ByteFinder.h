#pragma once

#include <cstddef>

// Finds candidate positions in a block with vector instructions where the
// processor has them: a position whose byte is one of a first set and, when
// a second set is given, whose byte `distance` further on is one of that set.
class ByteFinder {
public:
    struct Set {
        unsigned char bytes[2] = {0, 0};
        int count = 0; // 0 (no second test), 1 or 2
    };

    ByteFinder(Set first, Set second, ptrdiff_t distance);

    // The first candidate in [from, to), or `to`. Bytes at from + distance
    // to to + distance are read and must be readable.
    const char* Find(const char* from, const char* to) const { return m_find(m_needles, from, to); }

    struct Needles {
        unsigned char first[2];
        unsigned char second[2];
        ptrdiff_t distance;
    };
    using Function = const char* (*)(const Needles&, const char*, const char*);

private:
    Needles m_needles;
    Function m_find; // the search for these set sizes on this processor
};
