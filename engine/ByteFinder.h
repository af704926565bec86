#pragma once

#include <cstddef>

// Finds candidate positions in a block with vector instructions where the
// processor has them: a position whose byte is one of a first set and, when
// a second set is given, whose byte `distance` further on is one of that set;
// or a position holding the stop byte.
class ByteFinder {
public:
    struct Set {
        unsigned char bytes[2] = {0, 0};
        int count = 0; // 0 (no second test), 1 or 2
    };

    ByteFinder(Set first, Set second, ptrdiff_t distance, unsigned char stop);

    // The first candidate in [from, to), or `to`. Bytes at from + distance
    // to to + distance are read and must be readable.
    const char* Find(const char* from, const char* to) const;

    struct Needles {
        unsigned char first[2];
        unsigned char second[2];
        ptrdiff_t distance;
        unsigned char stop;
        bool paired;
    };

private:
    Needles m_needles;
};
