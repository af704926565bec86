#pragma once

#include "engine/internal/walk/DescriptorBudget.h"
#include "engine/internal/walk/FolderHandle.h"
#include "engine/internal/walk/WalkItem.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <sys/types.h>
#include <vector>

// Walks a folder tree once per mask, depth first, handing out one WalkItem at
// a time: each folder as it is entered (its path built from its parent's path
// as passed), and each file whose name contains the walk's mask. Every folder
// is listed once, on the first walk; later walks reuse the listing and open
// only the folders that hold a file for them, or hold folders that do.
//
// Folders are opened through their parent's descriptor and links to folders
// are not followed. The folder descriptors held (those of the walk's path and
// those that handed-out files pin) stay within a budget. Only the folders
// nearest the walk's position keep a descriptor open; the others are opened
// again through their subfolder's "..", so trees thousands of levels deep need
// few descriptors. A folder is never taken as empty for want of a descriptor.
// Items must be let go of before the walker.
class FolderWalker {
public:
    enum class Step {
        Item,    // the next item is handed out
        Blocked, // the budget is spent on folders that handed-out files hold open:
                 // call again once some of those files are let go of
        Ended,   // the walks are over
    };

    FolderWalker(std::string startFolder, std::vector<std::string> masks, size_t folderDescriptors);
    ~FolderWalker();

    // The next item. Lets go of what `item` held before. A caller that lets
    // go of every file item before asking for the next is never Blocked.
    Step Next(WalkItem& item);

    // The descriptors of the search: the walk's share and the files open.
    DescriptorBudget& Budget() { return m_budget; }
    // Lets go of the descriptor of a folder on the walk's path that the walk
    // can open again, for a file that could not be opened for want of one;
    // false when there is none. On the walk's thread, between items.
    bool LetGoOfAFolder() { return DropFarthest(); }

    // The folder entered as item `seq` is refused: it is not listed, and
    // no folder is entered from then on, in this walk or any later one.
    // Folders entered before it still hand out their remaining files.
    // May be called from another thread than Next().
    void StopEntering(uint64_t seq);

private:
    struct Node;
    struct Frame;
    enum class Had { Yes, No, Later };

    // Each false when the walk must wait for handed-out files first.
    bool Open(Frame& frame);
    bool Pop();
    void List(Frame& frame);
    // Room in the budget for one more folder descriptor, letting go of far
    // folders on the walk's path if need be.
    bool Room();
    // Runs `attempt`, which needs a descriptor and sets errno when it fails.
    // When none can be had, far folders on the walk's path let go of theirs
    // and it runs again; Later when only handed-out files, or the scans of
    // files, could free one.
    Had Try(const std::function<bool()>& attempt);
    // Lets go of the descriptor of the folder farthest up the walk's path
    // that has one, but not of the two nearest; false when there is none.
    bool DropFarthest();
    void Hold(Frame& frame, int fd);
    bool HeldByFiles() const { return m_budget.Held() > m_held; }
    bool Stopped() const { return m_stopSeq.load() != UINT64_MAX; }

    std::string m_start;
    std::shared_ptr<const WalkPath> m_startPlace;
    std::vector<std::string> m_masks;
    DescriptorBudget m_budget;
    size_t m_keepOpen; // folders on the walk's path that keep their descriptor
    std::unique_ptr<Node> m_root;
    std::vector<Frame> m_stack;
    size_t m_held = 0;   // frames holding a descriptor
    size_t m_lowest = 0; // frames below this one hold none
    size_t m_walk = 0;
    bool m_started = false;
    uint64_t m_seq = 0;
    std::atomic<uint64_t> m_stopSeq{UINT64_MAX};
};
