#pragma once

#include "engine/internal/read/BlockReader.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

// Reads a file descriptor in large blocks and hands out the pieces that a
// text-mode line reader with a 512-byte buffer gives: CR LF is read as LF, a
// byte 26 ends the file, and a piece ends after an LF or after 511 bytes. Each
// piece is handed out as its text: up to its first zero byte, without the
// final LF. A read error ends the file like its end.
class LineReader {
public:
    static constexpr size_t kPieceBytes = 511;

    // The piece starting at `start`, with `available` bytes of the file
    // from there on (at least kPieceBytes + 1 unless the file ends sooner):
    // how many bytes it takes up and how long its text is.
    struct Piece {
        size_t length;
        size_t textLength;
    };
    static Piece Measure(const char* start, size_t available);

    explicit LineReader(int fd, size_t blockSize = 256 * 1024);

    // Starts over on another file, keeping the buffer; `size` is the file's
    // size when it was opened, if known.
    void Reset(int fd, uint64_t size = BlockReader::kUnknownSize);

    // The next piece, valid until the next call. False at the end of the file.
    bool Next(std::string_view& text);

    // See BlockReader.
    void BeforeEachRead(const std::function<void()>* call) { m_file.BeforeEachRead(call); }

private:
    void Fill();

    BlockReader m_file;
    size_t m_blockSize;
    std::vector<char> m_buffer;
    size_t m_pos = 0;
    size_t m_end = 0;
    bool m_ended = false; // the file or a byte 26 ended the data
};
