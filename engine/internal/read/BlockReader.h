#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

// Reads an open file block by block up to its end (a read error ends it too).
// When the file's size at opening is known, a read that stops short at that
// size is taken as the last one, so a file smaller than the block costs one
// read, not two.
class BlockReader {
public:
    static constexpr uint64_t kUnknownSize = UINT64_MAX;

    // Called, when set, before each read (a test holds reads back there).
    void BeforeEachRead(const std::function<void()>* call) { m_beforeRead = call; }

    // Starts on another file.
    void Reset(int fd, uint64_t size = kUnknownSize);
    // Reads at most `room` bytes to `to` and returns how many; 0 at the end.
    size_t Read(char* to, size_t room);
    // True once the end is known: Read() returns 0 from then on.
    bool Ended() const { return m_ended; }

private:
    const std::function<void()>* m_beforeRead = nullptr;
    int m_fd = -1;
    uint64_t m_size = kUnknownSize;
    uint64_t m_offset = 0;
    bool m_ended = true;
};
