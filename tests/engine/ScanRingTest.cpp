#include "engine/internal/run/ScanRing.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {
// Publishes one item per entry of `folders`, each in that folder; an item's
// seq is its position, so that a claimed slot tells which item it holds.
void PublishItems(ScanRing& ring, const std::vector<uint64_t>& folders) {
    for (const uint64_t folder : folders) {
        ScanSlot& slot = ring.Back();
        slot.item.seq = ring.Published();
        slot.item.folderSeq = folder;
        ring.Publish();
    }
}

std::vector<uint64_t> Folders(std::initializer_list<std::pair<uint64_t, size_t>> runs) {
    std::vector<uint64_t> folders;
    for (const auto& [folder, count] : runs)
        folders.insert(folders.end(), count, folder);
    return folders;
}

struct Claims {
    int claimer;
    uint64_t first; // the positions this claimer gets next, one claim each
    uint64_t last;
};

struct ClaimCase {
    std::string name;
    size_t slots;
    unsigned claimers;
    std::vector<uint64_t> folders;
    std::vector<Claims> claims;
};

class ScanRingClaims : public testing::TestWithParam<ClaimCase> {};

// A thread's claim takes, as one run, the published items after its own that
// are in the same folder and that no other thread has claimed: at most a fair
// share of the published items left, at most 128, never a whole lap of the
// ring. The next thread's claim starts after the run, so no item is claimed
// twice.
TEST_P(ScanRingClaims, HandOutEachItemOnceInRunsOfOneFolder) {
    const ClaimCase& c = GetParam();
    ScanRing ring(c.slots, c.claimers, nullptr);
    PublishItems(ring, c.folders);
    std::vector<ScanRing::Run> runs(c.claimers);
    for (const Claims& claims : c.claims) {
        for (uint64_t position = claims.first; position <= claims.last; ++position) {
            ScanSlot* slot = ring.Claim(runs[claims.claimer]);
            ASSERT_NE(slot, nullptr);
            EXPECT_EQ(slot->item.seq, position) << "claimer " << claims.claimer;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rule, ScanRingClaims,
    testing::Values(
        // 41 items of one folder, 2 threads: the first run leaves half of the
        // rest (40 / 2 = 20 more); each later run half of what is left.
        ClaimCase{"FairShares",
                  64,
                  2,
                  Folders({{5, 41}}),
                  {{0, 0, 20}, {1, 21, 30}, {0, 31, 35}, {1, 36, 38}, {0, 39, 40}}},
        // A run ends where its folder does.
        ClaimCase{"FolderEnds",
                  64,
                  2,
                  Folders({{5, 10}, {6, 30}}),
                  {{0, 0, 9}, {1, 10, 24}, {0, 25, 32}}},
        // One item per folder: nothing to run.
        ClaimCase{"OnePerFolder", 16, 2, {1, 2, 3, 4}, {{0, 0, 0}, {1, 1, 1}, {0, 2, 2}}},
        // One thread: the whole folder, but at most 128 items in a run.
        ClaimCase{"Longest", 300, 1, Folders({{5, 200}}), {{0, 0, 127}, {0, 128, 199}}},
        // A full ring: the run takes every other slot.
        ClaimCase{"FullRing", 4, 1, Folders({{5, 4}}), {{0, 0, 3}}}),
    [](const testing::TestParamInfo<ClaimCase>& info) { return info.param.name; });

// A run goes on past the ring's last slot to its first.
TEST(ScanRing, ARunWrapsRoundTheRing) {
    ScanRing ring(4, 1, nullptr);
    PublishItems(ring, {1, 2, 7, 7});
    ScanRing::Run run;
    for (int i = 0; i < 2; ++i)
        ring.Done(*ring.Claim(run));
    for (int i = 0; i < 2; ++i) {
        ASSERT_NE(ring.DoneFront(), nullptr);
        ring.PopFront();
    }
    PublishItems(ring, {7, 7}); // into the first two slots
    for (uint64_t position = 2; position < 6; ++position) {
        ScanSlot* slot = ring.Claim(run);
        ASSERT_NE(slot, nullptr);
        EXPECT_EQ(slot->item.seq, position);
    }
}

// The items of a run are handed out after the ring is closed too, and then
// nothing more.
TEST(ScanRing, ARunOutlivesTheClose) {
    ScanRing ring(8, 1, nullptr);
    PublishItems(ring, Folders({{3, 5}}));
    ring.Close();
    ScanRing::Run run;
    for (uint64_t position = 0; position < 5; ++position) {
        ScanSlot* slot = ring.Claim(run);
        ASSERT_NE(slot, nullptr);
        EXPECT_EQ(slot->item.seq, position);
    }
    EXPECT_EQ(ring.Claim(run), nullptr);
}
} // namespace
