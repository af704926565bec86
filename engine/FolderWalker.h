#pragma once

#include "FolderHandle.h"
#include "WalkItem.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <sys/types.h>
#include <vector>

// Walks a folder tree once per mask, depth first, handing out one WalkItem at
// a time: each folder as it is entered (its path built from its parent's path
// as passed), and each file whose name contains the walk's mask. Every folder
// is listed once, on the first walk; later walks reuse the listing.
//
// Folders are opened through their parent's descriptor and links to folders
// are not followed. Only the folders nearest the walk's position keep a
// descriptor open; the others are opened again through their subfolder's
// "..", so trees thousands of levels deep need few descriptors.
class FolderWalker {
public:
    FolderWalker(std::string startFolder, std::vector<std::string> masks);
    ~FolderWalker();

    // The next item; false when the walks are over.
    bool Next(WalkItem& item);

    // The folder entered as item `seq` is refused: it is not listed, and
    // no folder is entered from then on, in this walk or any later one.
    // Folders entered before it still hand out their remaining files.
    // May be called from another thread than Next().
    void StopEntering(uint64_t seq);

private:
    struct Node;
    struct Frame;
    void Open(Frame& frame);
    void Pop();
    bool Stopped() const { return m_stopSeq.load() != UINT64_MAX; }

    std::string m_start;
    std::shared_ptr<const WalkPath> m_startPlace;
    std::vector<std::string> m_masks;
    std::unique_ptr<Node> m_root;
    std::vector<Frame> m_stack;
    size_t m_walk = 0;
    bool m_started = false;
    uint64_t m_seq = 0;
    std::atomic<uint64_t> m_stopSeq{UINT64_MAX};
};
