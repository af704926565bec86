#include "dialogs/TipsFile.h"

#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr size_t kMaxPiece = 999; // a buffer of 1000 characters with its terminator
constexpr int kEndOfFileMark = 26;

// One piece as fgets reads it in text mode into a 1000-character buffer.
// False when nothing could be read: the end of the file or a read error.
bool ReadPiece(FILE* file, std::string& piece) {
    piece.clear();
    while (piece.size() < kMaxPiece) {
        int c = std::getc(file);
        if (c == '\r') {
            const int next = std::getc(file);
            if (next == '\n')
                c = '\n';
            else if (next != EOF)
                std::ungetc(next, file);
        }
        if (c == kEndOfFileMark) {
            // Stays unread: every later read ends here too.
            std::ungetc(c, file);
            break;
        }
        if (c == EOF)
            break;
        piece.push_back(static_cast<char>(c));
        if (c == '\n')
            break;
    }
    return !piece.empty() && !std::ferror(file);
}

bool IsTip(const std::string& piece) {
    const char first = piece.c_str()[0]; // the text ends at a zero byte
    return first != '\0' && std::strchr(" \t\n;", first) == nullptr;
}

std::string TrimRight(std::string text) {
    text.erase(text.find_last_not_of(" \t\n\r\f\v") + 1);
    return text;
}
} // namespace

FILE* OpenTipsFile(const std::vector<std::string>& folders) {
    for (const std::string& folder : folders) {
        if (folder.empty())
            continue;
        // Without O_NONBLOCK a FIFO would hold the open until a writer came;
        // the flag changes nothing for the reads of a regular file.
        const std::string path = folder + "/tips.txt";
        const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat status;
        if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode))
            if (FILE* file = ::fdopen(fd, "r"))
                return file;
        ::close(fd);
    }
    return nullptr;
}

std::string TipsFileStamp(FILE* file) {
    struct statx status {};
    if (::statx(::fileno(file), "", AT_EMPTY_PATH, STATX_BTIME | STATX_INO, &status) != 0)
        return std::string();
    return TipsFileStamp(status);
}

std::string TipsFileStamp(const struct statx& status) {
    if (status.stx_mask & STATX_BTIME) {
        const std::time_t birth = status.stx_btime.tv_sec;
        if (const char* text = std::ctime(&birth))
            return TrimRight(text);
    }
    return "inode " + std::to_string(status.stx_ino) + " on device " +
           std::to_string(status.stx_dev_major) + ":" + std::to_string(status.stx_dev_minor);
}

TipRead ReadNextTip(FILE* file, std::string& tip) {
    std::string piece;
    bool rewound = false;
    for (;;) {
        if (!ReadPiece(file, piece)) {
            if (rewound)
                return TipRead::kNoTip;
            std::clearerr(file);
            if (std::fseek(file, 0, SEEK_SET) != 0)
                return TipRead::kRewindFailed;
            rewound = true;
        } else if (IsTip(piece)) {
            tip.assign(piece.c_str());
            return TipRead::kTip;
        }
    }
}
