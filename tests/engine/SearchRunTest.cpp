#include "engine/internal/run/SearchHooks.h"
#include "tests/engine/SearchTrace.h"
#include "tests/support/Gate.h"
#include "tests/support/TempTree.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <random>
#include <string>
#include <system_error>
#include <vector>

namespace {
template <size_t N> const char* Pick(std::mt19937& random, const char* const (&from)[N]) {
    return from[random() % N];
}

std::string RandomLine(std::mt19937& random) {
    static const char* const words[] = {"colour", "Color", "foo", "FOO", "bar", "a*b", "$",
                                        "^",      "x?y",   "zzz", " ",   "o",   "\t"};
    std::string line;
    switch (random() % 20) {
    case 0:
        return std::string(500 + random() % 700, 'o') + "foo"; // spans several pieces
    case 1:
        return std::string("fo\0o", 4);
    case 2:
        return "bar\x1a foo";
    default:
        for (int n = static_cast<int>(random() % 6); n > 0; --n)
            line += Pick(random, words);
        return line;
    }
}

void RandomTree(std::mt19937& random, TempTree& tree, const std::string& folder, int depth) {
    static const char* const files[] = {"a.txt", "B.TXT", "c.Txt", "n.txt.bak", "x.txt.TXT",
                                        "d.diz", "E.DIZ", "f.001", "readme",    "_.txt"};
    static const char* const folders[] = {"sub", "Sub", "x.txt", "deep", ".hidden", "Z"};
    for (int n = static_cast<int>(random() % 6); n > 0; --n) {
        std::string content;
        for (int lines = static_cast<int>(random() % 8); lines > 0; --lines)
            content += RandomLine(random) + (random() % 3 ? "\n" : "\r\n");
        tree.File(folder + std::to_string(random() % 3) + Pick(random, files), content);
    }
    if (random() % 6 == 0)
        tree.Link(folder + "gone" + std::to_string(random() % 100) + ".txt", "nowhere");
    if (depth < 3)
        for (int n = static_cast<int>(random() % 3); n > 0; --n)
            RandomTree(random, tree, folder + Pick(random, folders) + "/", depth + 1);
}

SearchOptions RandomOptions(std::mt19937& random) {
    static const char* const exts[] = {"txt", "TXT", "diz", "001", "bak", "", "", "Txt"};
    static const int maxima[] = {1, 2, 3, 5, 1000};
    SearchOptions options;
    options.Ext1 = Pick(random, exts);
    options.Ext2 = Pick(random, exts);
    options.Ext3 = Pick(random, exts);
    options.Ext4 = random() % 4 ? "" : Pick(random, exts);
    options.Ext5 = "";
    options.IgnoreCaps = static_cast<int>(random() % 2);
    options.IgnoreExt = static_cast<int>(random() % 2);
    options.Max = maxima[random() % 5];
    return options;
}

unsigned Seed() {
    const char* seed = std::getenv("VODIZUZI_SEED");
    return seed ? static_cast<unsigned>(std::strtoul(seed, nullptr, 10)) : 1207u;
}
} // namespace

// How the fast search is run in the differential tests: one thread, the
// default ring, and rings far smaller than the trees, so that every slot is
// reused many times while other threads may still be at work; and a cap of
// one byte on the records in flight, so that every scan but the oldest waits.
struct RingRun {
    unsigned threads;
    size_t ringSlots;
    size_t recordBytes = 0;
};
const RingRun kRuns[] = {{1, 0}, {3, 0}, {2, 1}, {2, 2}, {2, 3}, {2, 4}, {3, 1},    {3, 2},
                         {3, 3}, {3, 4}, {8, 1}, {8, 2}, {8, 3}, {8, 4}, {3, 0, 1}, {8, 4, 1}};

// The fast search (literal prefilter, listing reused, several threads) must
// answer exactly as the plain one, reports and order included.
TEST(SearchRun, AgreesWithThePlainSearchOnRandomTrees) {
    const unsigned seed = Seed();
    std::mt19937 random(seed);
    const char* const patterns[] = {"foo", "colou*r", "^foo", "o$",  "x?y", "fo?", "$",
                                    "O",   "a*b",     "zz*z", "bar", "?",   "^^",  "C"};
    const int rounds =
        std::getenv("VODIZUZI_ROUNDS") ? std::atoi(std::getenv("VODIZUZI_ROUNDS")) : 40;
    for (int round = 0; round < rounds; ++round) {
        TempTree tree;
        RandomTree(random, tree, "", 0);
        for (int search = 0; search < 4; ++search) {
            const std::string pattern = Pick(random, patterns);
            const SearchOptions options = RandomOptions(random);
            const Trace expected = Plain(pattern, tree.Root(), options);
            for (const RingRun& run : kRuns) {
                SearchTuning tuning;
                tuning.threads = run.threads;
                tuning.ringSlots = run.ringSlots;
                tuning.recordBytes = run.recordBytes;
                const Trace fast = Fast(pattern, tree.Root(), options, tuning);
                ASSERT_EQ(fast.records, expected.records)
                    << "seed " << seed << " round " << round << " pattern " << pattern
                    << " threads " << run.threads << " ring " << run.ringSlots << " cap "
                    << run.recordBytes << " max " << options.Max;
                ASSERT_EQ(fast.events, expected.events) << "seed " << seed << " round " << round;
                ASSERT_EQ(fast.found, expected.found);
            }
        }
    }
}

TEST(SearchRun, CancelKeepsTheRecordsMadeSoFar) {
    TempTree tree;
    for (int i = 0; i < 40; ++i)
        tree.File(std::string("f") + std::to_string(100 + i) + "/hit.txt", "hit\n");
    SearchOptions options;
    options.Max = 1000;
    const Trace all = Plain("hit", tree.Root(), options);

    // Cancelled from the owner's side after the fifth folder report.
    struct Cancelling : Trace {
        std::atomic<bool> cancel{false};
        void OnFolderEntered(const std::string& path) override {
            Trace::OnFolderEntered(path);
            if (events.size() == 5)
                cancel = true;
        }
    };
    for (unsigned threads : {1u, 2u}) {
        Cancelling trace;
        MatchList matches;
        SearchTuning tuning;
        tuning.threads = threads;
        tuning.cancel = &trace.cancel;
        RunSearch("hit", tree.Root(), options, matches, trace, tuning);
        trace.Describe(matches);
        EXPECT_EQ(trace.events.size(), 5u);
        ASSERT_LE(trace.records.size(), 5u);
        EXPECT_TRUE(std::equal(trace.records.begin(), trace.records.end(), all.records.begin()));
    }
}

// The shape of real trees that crashed the parallel search: far more folders
// without a selected file than the default ring has slots, then files.
TEST(SearchRun, AgreesOnATreeOfMostlyEmptyFoldersLargerThanTheRing) {
    TempTree tree;
    for (int i = 0; i < 2000; ++i)
        tree.File("empty/" + std::to_string(10000 + i) + "/notes.h", "hit\n");
    for (int i = 0; i < 300; ++i)
        tree.File("full/" + std::to_string(10000 + i) + "/a.txt", "miss\nhit " + std::to_string(i));
    SearchOptions options;
    options.Max = 1000;
    const Trace expected = Plain("hit", tree.Root(), options);
    ASSERT_EQ(expected.records.size(), 300u);
    for (const RingRun& run : {RingRun{2, 0}, RingRun{8, 0}, RingRun{2, 3}})
        EXPECT_EQ(Fast("hit", tree.Root(), options, run.threads, run.ringSlots), expected)
            << "threads " << run.threads << " ring " << run.ringSlots;
}

// Regression: a slot was handed to its next item while the thread that had
// claimed the previous one had not read it yet; that thread then scanned
// another thread's file into the wrong record, or a file whose folder was
// already closed. Here the thread that claims the first item is held back
// until the owner either puts a new item into that slot (the fault) or waits
// for that very item (as it must).
TEST(SearchRun, ASlotIsNotReusedBeforeItsClaimingThreadHasReadIt) {
    TempTree tree;
    for (int i = 0; i < 12; ++i) {
        tree.Folder("e" + std::to_string(10 + i));
        tree.File("f" + std::to_string(10 + i) + "/a.txt", "hit " + std::to_string(i) + "\n");
    }
    SearchOptions options;
    options.Max = 1000;
    const Trace expected = Plain("hit", tree.Root(), options);
    for (const size_t slots : {1, 2, 3}) {
        Gate gate;
        bool lapped = false, ownerWaits = false, lappedWhileHeld = false;
        SearchHooks hooks;
        hooks.produced = [&](uint64_t position) {
            if (position == slots)
                gate.Open(lapped);
        };
        hooks.waiting = [&](uint64_t position) {
            if (position == 0)
                gate.Open(ownerWaits);
        };
        hooks.claimed = [&](uint64_t position) {
            if (position == 0)
                gate.WaitFor([&] {
                    lappedWhileHeld = lapped;
                    return lapped || ownerWaits;
                });
        };
        const Trace fast = Fast("hit", tree.Root(), options, 2, slots, &hooks);
        EXPECT_FALSE(lappedWhileHeld) << slots << " slots";
        EXPECT_TRUE(ownerWaits) << slots << " slots";
        EXPECT_EQ(fast, expected) << slots << " slots";
    }
}

// Regression: after a cancel the scanning threads still opened every queued
// file. Here every claiming thread is held back until the owner has filled
// the ring and waits; the owner then cancels, and no file may be opened.
TEST(SearchRun, NoQueuedFileIsOpenedAfterACancel) {
    TempTree tree;
    for (int i = 0; i < 30; ++i)
        tree.File("f/" + std::to_string(10 + i) + ".txt", "hit\n");
    SearchOptions options;
    options.Max = 1000;
    for (const RingRun& run : {RingRun{2, 4}, RingRun{3, 0}, RingRun{8, 2}}) {
        Gate gate;
        bool cancelled = false;
        std::atomic<bool> cancel{false};
        std::atomic<int> opensAfterCancel{0};
        SearchHooks hooks;
        hooks.waiting = [&](uint64_t) {
            cancel = true;
            gate.Open(cancelled);
        };
        hooks.claimed = [&](uint64_t) { EXPECT_TRUE(gate.WaitFor([&] { return cancelled; })); };
        hooks.opening = [&](const std::string&) {
            if (cancel)
                ++opensAfterCancel;
        };
        Trace trace;
        MatchList matches;
        SearchTuning tuning;
        tuning.threads = run.threads;
        tuning.ringSlots = run.ringSlots;
        tuning.cancel = &cancel;
        tuning.hooks = &hooks;
        RunSearch("hit", tree.Root(), options, matches, trace, tuning);
        EXPECT_TRUE(cancelled);
        EXPECT_EQ(opensAfterCancel, 0) << run.threads << " threads";
        EXPECT_EQ(matches.GetCount(), 0);
    }
}

namespace {
// Passes records on as they come and keeps none, as the command line does.
struct Streaming : Trace {
    bool OnRecordCommitted(const MatchRecord& record) override {
        gate.Open(reported[records.size()]);
        records.push_back(record.GetPath());
        log.push_back("record");
        return false;
    }
    void OnWaiting() override { log.push_back("waiting"); }
    Gate gate;
    bool reported[8] = {};
    std::vector<std::string> log;
};
} // namespace

// Each record reaches the observer as soon as it is committed, before a
// later file is opened, and the observer hears that the search waits before
// it does; the records the observer does not keep still count toward the
// limit. Here the opening of each file waits for the record before it, with
// a deadline.
TEST(SearchRun, ReportsEachRecordAsItIsCommitted) {
    TempTree tree;
    for (int i = 0; i < 8; ++i)
        tree.File("f" + std::to_string(i) + "/hit.txt", "hit\n");
    SearchOptions options;
    options.Max = 6;
    const Trace expected = Plain("hit", tree.Root(), options);
    std::vector<std::string> paths;
    for (const std::string& record : expected.records)
        paths.push_back(record.substr(0, record.find('\n')));
    ASSERT_EQ(paths.size(), 6u);

    for (const unsigned threads : {0u, 1u, 2u, 3u}) {
        Streaming streaming;
        SearchHooks hooks;
        hooks.opening = [&](const std::string& path) {
            if (threads == 1)
                streaming.log.push_back("scan"); // the scan runs on the owner's thread
            const size_t index = static_cast<size_t>(path[path.size() - 9] - '0');
            if (index > 0 && index < paths.size() &&
                !streaming.gate.WaitFor([&] { return streaming.reported[index - 1]; }))
                ADD_FAILURE() << "no record before the file " << path << ", " << threads
                              << " threads";
        };
        hooks.waiting = [&](uint64_t) { streaming.log.push_back("wait"); };
        MatchList matches;
        SearchTuning tuning;
        tuning.threads = threads;
        tuning.hooks = &hooks;
        streaming.found =
            threads == 0 ? FolderSearch("hit", options, matches, streaming).RunSearch(tree.Root())
                         : RunSearch("hit", tree.Root(), options, matches, streaming, tuning);
        EXPECT_EQ(streaming.records, paths) << threads << " threads";
        EXPECT_EQ(streaming.events, expected.events) << threads << " threads";
        EXPECT_TRUE(streaming.found);
        EXPECT_EQ(matches.GetCount(), 0);
        for (size_t i = 0; i < streaming.log.size(); ++i) {
            if (streaming.log[i] == "wait" || streaming.log[i] == "scan") {
                EXPECT_TRUE(i > 0 && streaming.log[i - 1] == "waiting")
                    << "a wait without a report, " << threads << " threads";
            }
        }
    }
}

// Regression: a scanning thread that could not be made (std::system_error
// from std::thread, for want of memory or of processes) ended the program.
// The search goes on with the threads that could be made, and on the
// calling thread alone when none could.
TEST(SearchRun, GoesOnWithTheThreadsThatCouldBeMade) {
    TempTree tree;
    for (int i = 100; i < 130; ++i) {
        const std::string number = std::to_string(i);
        tree.File(number + "/hit.txt", "hit " + number + "\n");
    }
    SearchOptions options;
    options.Max = 1000;
    const Trace expected = Plain("hit", tree.Root(), options);
    for (const unsigned made : {0u, 1u, 3u}) {
        SearchHooks hooks;
        hooks.starting = [made](unsigned index) {
            if (index >= made)
                throw std::system_error(
                    std::make_error_code(std::errc::resource_unavailable_try_again));
        };
        const std::string differences =
            Fast("hit", tree.Root(), options, 8, 0, &hooks).Differences(expected);
        EXPECT_EQ(differences, "") << made << " threads made";
    }
}

// By default more threads read than there are processors, so that a cold
// disk gets many reads at once. A stop waits for no read that had not begun:
// here every read is held until each reading thread holds one and the owner
// waits; then the search is cancelled and the reads let go, and no read may
// begin after the cancel.
TEST(SearchRun, AStopWaitsForNoReadThatHadNotBegun) {
    TempTree tree;
    for (int i = 100; i < 180; ++i)
        tree.File(std::to_string(i) + ".txt", std::string(300 * 1024, 'x') + "\nhit\n");
    SearchOptions options;
    options.Max = 1000;

    Gate gate;
    std::atomic<bool> cancel{false};
    bool released = false, heldMore = false;
    std::atomic<unsigned> threads{0}, held{0}, readsAfterCancel{0};
    SearchHooks hooks;
    hooks.starting = [&](unsigned) { ++threads; };
    hooks.reading = [&] {
        if (cancel) {
            ++readsAfterCancel;
            return;
        }
        ++held;
        gate.Open(heldMore); // wakes the owner to count again
        EXPECT_TRUE(gate.WaitFor([&] { return released; }));
    };
    hooks.waiting = [&](uint64_t) {
        if (cancel)
            return;
        // Every reading thread sits in a read before the cancel.
        EXPECT_TRUE(gate.WaitFor([&] { return held == threads; })) << held << " reads held";
        cancel = true;
        gate.Open(released);
    };
    Trace trace;
    MatchList matches;
    SearchTuning tuning;
    tuning.cancel = &cancel;
    tuning.hooks = &hooks;
    RunSearch("hit", tree.Root(), options, matches, trace, tuning);
    EXPECT_TRUE(cancel);
    EXPECT_GE(threads, SearchTuning::kDiskReaders) << "fewer threads than the disk wants";
    EXPECT_EQ(readsAfterCancel, 0u);
}
