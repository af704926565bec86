#include "engine/internal/walk/FolderWalker.h"

#include "engine/StartFolder.h"
#include "engine/internal/walk/PathText.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

namespace {
// At most this many folders on the walk's path keep their descriptor.
constexpr size_t kOpenDepth = 64;
} // namespace

struct FolderWalker::Node {
    bool listed = false;
    FolderListing listing;
    std::vector<std::unique_ptr<Node>> subfolders; // by listing index; made on entering
    // Bit m: walk m may hand out a file in this folder or below. Known once
    // the folder and all its subfolders are listed; all bits until then.
    uint32_t filesBelow = ~0u;
};

struct FolderWalker::Frame {
    Frame(Node* n, const char* childName, std::shared_ptr<const WalkPath> at, uint64_t seq)
        : node(n), name(childName), place(std::move(at)), enterSeq(seq) {}

    Node* node;
    const char* name; // in the parent's listing; null for the start folder
    std::shared_ptr<const WalkPath> place;
    uint64_t enterSeq;
    std::shared_ptr<FolderHandle> dir;
    bool opened = false; // tried; dir is null if it could not be opened or was let go of
    size_t next = 0;
    dev_t dev = 0; // kept when dir is let go of, to check it when opened again
    ino_t ino = 0;
};

FolderWalker::FolderWalker(std::string startFolder, std::vector<std::string> masks,
                           size_t folderDescriptors)
    : m_start(std::move(startFolder)),
      m_startPlace(std::make_shared<WalkPath>(m_start, PathText::RecordFolder(m_start))),
      m_masks(std::move(masks)), m_budget(folderDescriptors),
      // The rest of the budget is for the folders of queued files.
      m_keepOpen(std::clamp<size_t>(folderDescriptors / 4, 2, kOpenDepth)),
      m_root(std::make_unique<Node>()) {}

FolderWalker::~FolderWalker() {
    // The listing of a deep tree is taken apart node by node, not by recursion.
    std::vector<std::unique_ptr<Node>> doomed;
    doomed.push_back(std::move(m_root));
    while (!doomed.empty()) {
        std::unique_ptr<Node> node = std::move(doomed.back());
        doomed.pop_back();
        for (std::unique_ptr<Node>& subfolder : node->subfolders) {
            if (subfolder)
                doomed.push_back(std::move(subfolder));
        }
    }
}

void FolderWalker::StopEntering(uint64_t seq) {
    uint64_t current = m_stopSeq.load();
    while (seq < current && !m_stopSeq.compare_exchange_weak(current, seq)) {
    }
}

FolderWalker::Step FolderWalker::Next(WalkItem& item) {
    item.folder.reset();
    for (;;) {
        if (m_stack.empty()) {
            if (m_started)
                ++m_walk;
            m_started = true;
            if (m_walk >= m_masks.size() || Stopped())
                return Step::Ended;
            m_stack.emplace_back(m_root.get(), nullptr, m_startPlace, m_seq);
            item.kind = WalkItem::Kind::Enter;
            item.seq = item.folderSeq = m_seq++;
            item.place = m_startPlace;
            return Step::Item;
        }
        Frame& top = m_stack.back();
        Node& node = *top.node;
        const bool refused = top.enterSeq >= m_stopSeq.load();
        // A folder whose listing shows nothing for this walk is not opened:
        // only its subfolders are entered.
        const bool needed = !node.listed || (node.filesBelow & (1u << m_walk)) != 0;
        if (!refused && !top.opened && needed && !Open(top))
            return Step::Blocked;
        if (!refused && top.dir && !node.listed)
            List(top);
        if (refused || (needed && !top.dir) || top.next >= node.listing.Size()) {
            if (!Pop())
                return Step::Blocked;
            continue;
        }
        const size_t i = top.next++;
        if (node.listing.KindAt(i) == FolderListing::Kind::Folder) {
            if (Stopped())
                continue;
            std::unique_ptr<Node>& child = node.subfolders[i];
            if (!child)
                child = std::make_unique<Node>();
            item.kind = WalkItem::Kind::Enter;
            item.seq = item.folderSeq = m_seq++;
            item.place =
                std::make_shared<WalkPath>(top.place, std::string(node.listing.NameViewAt(i)));
            m_stack.emplace_back(child.get(), node.listing.NameAt(i), item.place, item.seq);
            return Step::Item;
        }
        if ((node.listing.MasksAt(i) & (1u << m_walk)) == 0)
            continue;
        item.kind = WalkItem::Kind::File;
        item.seq = m_seq++;
        item.folderSeq = top.enterSeq;
        item.place = top.place;
        item.folder = top.dir;
        item.entry.name.assign(node.listing.NameViewAt(i));
        item.entry.kind = node.listing.KindAt(i);
        return Step::Item;
    }
}

bool FolderWalker::Open(Frame& frame) {
    if (!Room())
        return false;
    int fd = -1;
    const Had had = Try([&] {
        if (frame.name == nullptr) {
            fd = StartFolder::Open(m_start);
        } else {
            // The parent is the frame below, which keeps its descriptor.
            const Frame& parent = m_stack[m_stack.size() - 2];
            fd = FolderListing::OpenFolder(parent.dir->Fd(), frame.name);
        }
        return fd >= 0;
    });
    if (had == Had::Later)
        return false;
    frame.opened = true;
    if (had == Had::Yes)
        Hold(frame, fd);
    // Far from the walk's position, folders let go of their descriptors.
    while (m_held > m_keepOpen && DropFarthest()) {
    }
    return true;
}

void FolderWalker::List(Frame& frame) {
    Node& node = *frame.node;
    // A folder that cannot be listed is passed over as if it were empty.
    // (Listing needs no descriptor beside the folder's own.)
    if (!node.listing.Read(frame.dir->Fd(), m_masks))
        node.listing.Clear();
    node.listed = true;
    node.subfolders.resize(node.listing.Size());
}

bool FolderWalker::Pop() {
    Frame& top = m_stack.back();
    // A parent that let go of its descriptor is opened again through "..".
    const bool reopen = m_stack.size() > 1 && top.dir && !m_stack[m_stack.size() - 2].dir;
    int up = -1;
    if (reopen) {
        if (!Room())
            return false;
        const Had had = Try([&] {
            up = ::openat(top.dir->Fd(), "..", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            return up >= 0;
        });
        if (had == Had::Later)
            return false;
    }
    Node& node = *top.node;
    if (m_walk + 1 >= m_masks.size()) {
        // After the last walk no listing is needed again.
        node.listing.Clear();
        node.subfolders.clear();
    } else if (node.listed) {
        node.filesBelow = 0;
        for (size_t i = 0; i < node.listing.Size(); ++i) {
            const Node* sub = node.subfolders[i].get();
            node.filesBelow |= node.listing.KindAt(i) != FolderListing::Kind::Folder
                                   ? node.listing.MasksAt(i)
                               : sub ? sub->filesBelow
                                     : ~0u;
        }
    }
    if (top.dir)
        --m_held;
    m_stack.pop_back();
    m_lowest = std::min(m_lowest, m_stack.size());
    if (up >= 0) {
        Frame& parent = m_stack.back();
        struct stat st;
        // A folder moved away meanwhile: the rest of its parent is passed over.
        if (::fstat(up, &st) == 0 && st.st_dev == parent.dev && st.st_ino == parent.ino) {
            Hold(parent, up);
            m_lowest = std::min(m_lowest, m_stack.size() - 1);
        } else {
            ::close(up);
        }
    }
    return true;
}

bool FolderWalker::Room() {
    while (m_budget.Spent()) {
        if (DropFarthest())
            continue;
        // Only the walk's own two folders are left: it may go past the budget
        // by those, unless files it handed out hold some of it.
        return !HeldByFiles();
    }
    return true;
}

FolderWalker::Had FolderWalker::Try(const std::function<bool()>& attempt) {
    for (;;) {
        if (attempt())
            return Had::Yes;
        if (errno != EMFILE && errno != ENFILE)
            return Had::No;
        if (DropFarthest())
            continue;
        return HeldByFiles() || m_budget.FilesOpen() > 0 ? Had::Later : Had::No;
    }
}

bool FolderWalker::DropFarthest() {
    while (m_lowest + 2 < m_stack.size()) {
        Frame& far = m_stack[m_lowest++];
        if (!far.dir)
            continue;
        struct stat st;
        if (::fstat(far.dir->Fd(), &st) == 0) {
            far.dev = st.st_dev;
            far.ino = st.st_ino;
        }
        far.dir.reset();
        --m_held;
        return true;
    }
    return false;
}

void FolderWalker::Hold(Frame& frame, int fd) {
    frame.dir = std::make_shared<FolderHandle>(fd, m_budget);
    ++m_held;
}
