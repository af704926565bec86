#include "SearchRun.h"
#include "FolderSearch.h"
#include "TempTree.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace {
// Everything a search tells its owner, in order.
struct Trace : SearchObserver {
    void OnFolderEntered(const std::string& path) override { events.push_back("enter " + path); }
    void OnOpenError(const std::string& path) override { events.push_back("error " + path); }
    std::vector<std::string> events;
    std::vector<std::string> records;
    bool found = false;
    bool operator==(const Trace& other) const {
        return events == other.events && records == other.records && found == other.found;
    }
};

void Describe(const MatchList& matches, Trace& trace) {
    for (int i = 0; i < matches.GetCount(); ++i) {
        const MatchRecord& record = matches.GetAt(i);
        std::string text = record.GetPath();
        for (int k = 0; k < record.GetLineCount(); ++k) {
            text += "\n\t";
            text += record.GetLine(k);
        }
        trace.records.push_back(text);
    }
}

Trace Plain(const std::string& pattern, const std::string& start, const SearchOptions& options) {
    Trace trace;
    MatchList matches;
    trace.found = FolderSearch(pattern, options, matches, trace).RunSearch(start);
    Describe(matches, trace);
    return trace;
}

Trace Fast(const std::string& pattern, const std::string& start, const SearchOptions& options,
           unsigned threads) {
    Trace trace;
    MatchList matches;
    SearchTuning tuning;
    tuning.threads = threads;
    trace.found = RunSearch(pattern, start, options, matches, trace, tuning);
    Describe(matches, trace);
    return trace;
}

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
            for (unsigned threads : {1u, 3u}) {
                const Trace fast = Fast(pattern, tree.Root(), options, threads);
                ASSERT_EQ(fast.records, expected.records)
                    << "seed " << seed << " round " << round << " pattern " << pattern
                    << " threads " << threads << " max " << options.Max;
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
        Describe(matches, trace);
        EXPECT_EQ(trace.events.size(), 5u);
        ASSERT_LE(trace.records.size(), 5u);
        EXPECT_TRUE(std::equal(trace.records.begin(), trace.records.end(), all.records.begin()));
    }
}
