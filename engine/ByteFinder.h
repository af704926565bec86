#pragma once

#include <cstddef>

// Finds the first byte of a block that equals one of up to three given
// bytes, with vector instructions where the processor has them.
class ByteFinder {
public:
    // `count` bytes from `bytes` (1 to 3); duplicates are allowed.
    ByteFinder(const unsigned char* bytes, int count);

    // The first matching byte in [from, to), or `to` when there is none.
    const char* Find(const char* from, const char* to) const;

private:
    unsigned char m_bytes[3];
};
