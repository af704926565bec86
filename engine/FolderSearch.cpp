#include "FolderSearch.h"

#include "FolderListing.h"
#include "LineReader.h"
#include "PathText.h"

#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// Folders deeper than this on the walk's path keep no open descriptor; they
// are opened again through their subfolder's ".." when the walk comes back.
constexpr size_t kOpenDepth = 64;

enum class LetterCase { AsStored, Lower, Upper };

// "." followed by the extension, its ASCII letters put in one case or kept.
std::string Mask(const std::string& ext, LetterCase letterCase) {
    std::string mask(".");
    mask += ext;
    for (char& c : mask) {
        if (letterCase == LetterCase::Upper && c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 32);
        else if (letterCase == LetterCase::Lower && c >= 'A' && c <= 'Z')
            c = static_cast<char>(c + 32);
    }
    return mask;
}

bool SameFolder(int fd, dev_t dev, ino_t ino) {
    struct stat st;
    return ::fstat(fd, &st) == 0 && st.st_dev == dev && st.st_ino == ino;
}
} // namespace

struct FolderSearch::Frame {
    int fd;
    dev_t dev = 0;
    ino_t ino = 0;
    std::string statusPath;
    std::string recordFolder;
    FolderListing listing;
    size_t next = 0;
};

FolderSearch::FolderSearch(std::string_view pattern, const SearchOptions& options,
                           MatchList& matches, SearchObserver& observer)
    : m_matcher(pattern, options.IgnoreCaps != 0), m_options(options), m_matches(matches),
      m_observer(observer) {}

std::vector<std::string> FolderSearch::BuildMasks(const SearchOptions& options) {
    std::vector<std::string> masks;
    for (const std::string* ext :
         {&options.Ext1, &options.Ext2, &options.Ext3, &options.Ext4, &options.Ext5}) {
        if (ext->empty())
            continue;
        if (options.IgnoreExt != 0) {
            masks.push_back(Mask(*ext, LetterCase::Lower));
            masks.push_back(Mask(*ext, LetterCase::Upper));
        } else {
            masks.push_back(Mask(*ext, LetterCase::AsStored));
        }
    }
    return masks;
}

bool FolderSearch::RunSearch(const std::string& startFolder) {
    m_found = false;
    for (const std::string& mask : BuildMasks(m_options))
        SearchFolder(startFolder, mask);
    return m_found;
}

bool FolderSearch::LimitReached() const {
    return m_matches.GetCount() >= m_options.Max;
}

void FolderSearch::SearchFolder(const std::string& folder, const std::string& mask) {
    if (LimitReached())
        return;
    m_observer.OnFolderEntered(folder);
    const int startFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (startFd < 0)
        return;
    std::vector<std::unique_ptr<Frame>> stack;
    auto push = [&stack](int fd, std::string statusPath, std::string recordFolder) {
        auto frame = std::make_unique<Frame>();
        frame->fd = fd;
        frame->statusPath = std::move(statusPath);
        frame->recordFolder = std::move(recordFolder);
        if (!frame->listing.Read(fd))
            frame->next = frame->listing.Entries().size();
        stack.push_back(std::move(frame));
    };
    push(startFd, folder, PathText::AbsoluteNormal(folder));

    while (!stack.empty()) {
        Frame& top = *stack.back();
        const auto& entries = top.listing.Entries();
        if (top.fd < 0 || top.next >= entries.size()) {
            // The folder is done: come back to its parent, reopening it if needed.
            const int fd = top.fd;
            stack.pop_back();
            if (!stack.empty() && stack.back()->fd < 0) {
                Frame& parent = *stack.back();
                const int up = fd < 0 ? -1 : ::openat(fd, "..", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
                if (up >= 0 && SameFolder(up, parent.dev, parent.ino)) {
                    parent.fd = up;
                } else if (up >= 0) {
                    ::close(up); // the folder was moved away: its rest is passed over
                }
            }
            if (fd >= 0)
                ::close(fd);
            continue;
        }
        const size_t index = top.next++;
        const FolderListing::Entry& entry = entries[index];
        if (entry.kind != FolderListing::Kind::Folder) {
            ScanEntry(top, index, mask);
            continue;
        }
        if (LimitReached())
            continue;
        std::string statusPath = top.statusPath + "/" + entry.name;
        m_observer.OnFolderEntered(statusPath);
        const int child = FolderListing::OpenFolder(top.fd, entry.name);
        if (child < 0)
            continue;
        if (stack.size() >= kOpenDepth) {
            struct stat st;
            if (::fstat(top.fd, &st) == 0) {
                top.dev = st.st_dev;
                top.ino = st.st_ino;
                ::close(top.fd);
                top.fd = -1;
            }
        }
        push(child, std::move(statusPath), PathText::Join(top.recordFolder, entry.name));
    }
}

void FolderSearch::ScanEntry(const Frame& frame, size_t index, const std::string& mask) {
    const FolderListing::Entry& entry = frame.listing.Entries()[index];
    if (entry.name.find(mask) == std::string::npos)
        return;
    const std::string path = PathText::Join(frame.recordFolder, entry.name);
    int fd = -1;
    switch (FolderListing::OpenFile(frame.fd, entry, fd)) {
    case FolderListing::OpenResult::Skipped:
        return;
    case FolderListing::OpenResult::Failed:
        m_observer.OnOpenError(path);
        return;
    case FolderListing::OpenResult::Opened:
        break;
    }
    auto record = std::make_unique<MatchRecord>();
    const int count = ScanFile(m_matcher, fd, *record);
    ::close(fd);
    if (count > 0) {
        record->SetPath(path);
        m_matches.Add(std::move(record));
        m_found = true;
    }
}

int FolderSearch::ScanFile(LineMatcher& matcher, int fd, MatchRecord& scan) {
    LineReader reader(fd);
    int count = 0;
    std::string_view piece;
    while (reader.Next(piece)) {
        if (matcher.MatchLine(piece)) {
            scan.AddLine(piece);
            ++count;
        }
    }
    return count;
}

bool RunSearch(std::string_view pattern, const std::string& startFolder,
               const SearchOptions& options, MatchList& matches, SearchObserver& observer) {
    return FolderSearch(pattern, options, matches, observer).RunSearch(startFolder);
}
