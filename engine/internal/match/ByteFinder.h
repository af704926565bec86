#pragma once

#include <cstddef>

// Finds candidate positions in a block with the widest vector instructions
// the processor has: a position holding the first needle and, when the
// finder is paired, holding the second needle `distance` bytes further on;
// or a position holding the stop byte.
class ByteFinder {
public:
    // A byte position matches when its byte, with `caseBits` set, is `byte`:
    // bits 0x20 let both cases of a letter through (`byte` lower case), 0
    // only `byte` itself.
    struct Needle {
        unsigned char byte = 0;
        unsigned char caseBits = 0;
    };
    // The widest vectors a finder may use; a processor without them gets the
    // widest it has. The answers never depend on it.
    enum class Width { Plain, Sse2, Avx2, Avx512 };

    ByteFinder(Needle first, Needle second, ptrdiff_t distance, bool paired, unsigned char stop,
               Width widest = Width::Avx512);

    // The first candidate in [from, to), or `to`. Bytes at from + distance
    // to to + distance are read and must be readable.
    const char* Find(const char* from, const char* to) const { return m_find(m_needles, from, to); }

    struct Needles {
        Needle first;
        Needle second;
        ptrdiff_t distance;
        unsigned char stop;
    };
    using Function = const char* (*)(const Needles&, const char*, const char*);

private:
    Needles m_needles;
    Function m_find;
};
