#include "FolderWalker.h"

#include "PathText.h"

#include <fcntl.h>
#include <sys/stat.h>

namespace {
// How many folders along the walk's path keep their descriptor open.
constexpr size_t kOpenDepth = 64;
} // namespace

struct FolderWalker::Node {
    struct Child {
        std::string name;
        FolderListing::Kind kind;
        uint32_t masks; // bit m: the name contains mask m
        std::unique_ptr<Node> node;
    };
    bool listed = false;
    std::vector<Child> children;
};

struct FolderWalker::Frame {
    Frame(Node* n, const std::string* childName, std::shared_ptr<const WalkPath> at, uint64_t seq)
        : node(n), name(childName), place(std::move(at)), enterSeq(seq) {}

    Node* node;
    const std::string* name; // in the parent's listing; null for the start folder
    std::shared_ptr<const WalkPath> place;
    uint64_t enterSeq;
    std::shared_ptr<FolderHandle> dir;
    bool opened = false;
    size_t next = 0;
    dev_t dev = 0;
    ino_t ino = 0;
};

FolderWalker::FolderWalker(std::string startFolder, std::vector<std::string> masks)
    : m_start(std::move(startFolder)),
      m_startPlace(std::make_shared<WalkPath>(m_start, PathText::RecordFolder(m_start))),
      m_masks(std::move(masks)), m_root(std::make_unique<Node>()) {}

FolderWalker::~FolderWalker() {
    // The listing of a deep tree is taken apart node by node, not by recursion.
    std::vector<std::unique_ptr<Node>> doomed;
    doomed.push_back(std::move(m_root));
    while (!doomed.empty()) {
        std::unique_ptr<Node> node = std::move(doomed.back());
        doomed.pop_back();
        for (Node::Child& child : node->children) {
            if (child.node)
                doomed.push_back(std::move(child.node));
        }
    }
}

void FolderWalker::StopEntering(uint64_t seq) {
    uint64_t current = m_stopSeq.load();
    while (seq < current && !m_stopSeq.compare_exchange_weak(current, seq)) {
    }
}

bool FolderWalker::Next(WalkItem& item) {
    for (;;) {
        if (m_stack.empty()) {
            if (m_started)
                ++m_walk;
            m_started = true;
            if (m_walk >= m_masks.size() || Stopped())
                return false;
            m_stack.emplace_back(m_root.get(), nullptr, m_startPlace, m_seq);
            item.kind = WalkItem::Kind::Enter;
            item.seq = item.folderSeq = m_seq++;
            item.place = m_startPlace;
            item.folder.reset();
            return true;
        }
        Frame& top = m_stack.back();
        if (top.enterSeq >= m_stopSeq.load()) {
            Pop();
            continue;
        }
        if (!top.opened)
            Open(top);
        if (!top.dir || top.next >= top.node->children.size()) {
            Pop();
            continue;
        }
        Node::Child& child = top.node->children[top.next++];
        if (child.kind == FolderListing::Kind::Folder) {
            if (Stopped())
                continue;
            if (!child.node)
                child.node = std::make_unique<Node>();
            item.kind = WalkItem::Kind::Enter;
            item.seq = item.folderSeq = m_seq++;
            item.place = std::make_shared<WalkPath>(top.place, child.name);
            item.folder.reset();
            m_stack.emplace_back(child.node.get(), &child.name, item.place, item.seq);
            return true;
        }
        if ((child.masks & (1u << m_walk)) == 0)
            continue;
        item.kind = WalkItem::Kind::File;
        item.seq = m_seq++;
        item.folderSeq = top.enterSeq;
        item.place = top.place;
        item.folder = top.dir;
        item.entry.name = child.name;
        item.entry.kind = child.kind;
        return true;
    }
}

void FolderWalker::Open(Frame& frame) {
    frame.opened = true;
    int fd;
    if (frame.name == nullptr) {
        fd = ::open(m_start.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    } else {
        const Frame& parent = m_stack[m_stack.size() - 2];
        fd = parent.dir ? FolderListing::OpenFolder(parent.dir->Fd(), *frame.name) : -1;
    }
    if (fd < 0)
        return;
    frame.dir = std::make_shared<FolderHandle>(fd);
    if (!frame.node->listed) {
        frame.node->listed = true;
        FolderListing listing;
        if (listing.Read(fd)) {
            for (const FolderListing::Entry& entry : listing.Entries()) {
                uint32_t masks = 0;
                for (size_t m = 0; m < m_masks.size(); ++m) {
                    if (entry.name.find(m_masks[m]) != std::string::npos)
                        masks |= 1u << m;
                }
                if (entry.kind == FolderListing::Kind::Folder || masks != 0)
                    frame.node->children.push_back({entry.name, entry.kind, masks, nullptr});
            }
        }
    }
    // Far from the walk's position, a folder lets go of its descriptor.
    if (m_stack.size() > kOpenDepth) {
        Frame& far = m_stack[m_stack.size() - 1 - kOpenDepth];
        struct stat st;
        if (far.dir && ::fstat(far.dir->Fd(), &st) == 0) {
            far.dev = st.st_dev;
            far.ino = st.st_ino;
            far.dir.reset();
        }
    }
}

void FolderWalker::Pop() {
    std::shared_ptr<FolderHandle> child = std::move(m_stack.back().dir);
    // After the last walk no listing is needed again.
    if (m_walk + 1 >= m_masks.size())
        m_stack.back().node->children.clear();
    m_stack.pop_back();
    if (m_stack.empty() || !child)
        return;
    Frame& parent = m_stack.back();
    if (parent.opened && !parent.dir) {
        const int up = ::openat(child->Fd(), "..", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (up < 0)
            return;
        auto handle = std::make_shared<FolderHandle>(up);
        struct stat st;
        // A folder moved away meanwhile: the rest of its parent is passed over.
        if (::fstat(up, &st) == 0 && st.st_dev == parent.dev && st.st_ino == parent.ino)
            parent.dir = std::move(handle);
    }
}
