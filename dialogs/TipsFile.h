#pragma once

#include <cstdio>
#include <string>
#include <vector>

struct statx;

// The tips file, "tips.txt": one tip per line. It is read as the Windows C
// runtime reads a text file (CR LF is one line end, a byte 26 ends the file),
// one piece at a time: up to and including a line feed, at most 999
// characters; the rest of a longer line is the next piece. A piece whose text
// (up to a zero byte) is empty or begins with a space, a tab, a line feed or
// ";" is no tip. No window code here.

// Opens tips.txt for reading in the first of `folders` (empty ones skipped)
// that holds it as a regular file; null when none does. A folder, a FIFO or a
// device named tips.txt is passed over: reading it could block or fail.
FILE* OpenTipsFile(const std::vector<std::string>& folders);

// What tells the open tips file from one that replaces it under its name:
// its birth time in local time as ctime formats it, without the line feed
// ("Sun Sep  7 14:03:09 2025"). Where the file system keeps no birth time,
// the file's inode and device numbers, which a re-created file gets anew and
// an edit in place keeps; its change and modification times would also move
// with every edit. Empty when the file's status cannot be read. Uses ctime's
// shared buffer: user-interface thread only.
std::string TipsFileStamp(FILE* file);
// The same from a status that statx filled with STATX_BTIME and STATX_INO.
std::string TipsFileStamp(const struct statx& status);

enum class TipRead {
    kTip,          // the next tip was read; the file position lies just after it
    kNoTip,        // a whole pass from the start of the file found no tip
    kRewindFailed, // the end was reached and going back to the start failed
};
// Reads on from the file's position to the next tip, going back to the start
// once at the end of the file (or after a read error). `tip` gets the tip
// with its line feed, if it has one; it is left alone unless one was read.
TipRead ReadNextTip(FILE* file, std::string& tip);
