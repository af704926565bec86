#include "engine/RunSearch.h"
#include "tests/support/TempTree.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {
class Events : public SearchObserver {
public:
    void OnFolderEntered(const std::string& path) override { log.push_back("enter " + path); }
    void OnOpenError(const std::string& path, int) override { log.push_back("error " + path); }
    std::vector<std::string> log;
};

struct Result {
    bool found;
    // "path: line|line" per record, paths relative to the tree's root.
    std::vector<std::string> records;
    std::vector<std::string> events;
};

std::string Relative(const TempTree& tree, const std::string& path) {
    const std::string prefix = tree.Root() + "/";
    return path.compare(0, prefix.size(), prefix) == 0 ? path.substr(prefix.size()) : path;
}

Result Search(const TempTree& tree, const std::string& pattern, const SearchOptions& options,
              std::string start = "") {
    if (start.empty())
        start = tree.Root();
    MatchList matches;
    Events events;
    Result result;
    result.found = RunSearch(pattern, start, options, matches, events);
    for (int i = 0; i < matches.GetCount(); ++i) {
        const MatchRecord& record = matches.GetAt(i);
        std::string text = Relative(tree, record.GetPath()) + ":";
        for (int k = 0; k < record.GetLineCount(); ++k) {
            text += k ? '|' : ' ';
            text += record.GetLine(k);
        }
        result.records.push_back(text);
    }
    for (const std::string& e : events.log) {
        const size_t space = e.find(' ');
        std::string event = e.substr(0, space + 1);
        event += Relative(tree, e.substr(space + 1));
        result.events.push_back(event);
    }
    return result;
}

SearchOptions Only(const std::string& ext, int ignoreExt = 1) {
    SearchOptions options;
    options.Ext1 = ext;
    options.Ext2 = options.Ext3 = "";
    options.IgnoreExt = ignoreExt;
    return options;
}

using Lines = std::vector<std::string>;
} // namespace

TEST(FolderSearch, SelectsFilesByMaskAsASubstring) {
    TempTree tree;
    for (const char* name : {"a.txt", "B.TXT", "d.Txt", "notes.txt.bak", "readme", "x.txt/in.txt"})
        tree.File(name, "find me\n");
    struct Case {
        const char* name;
        int ignoreExt;
        Lines records;
    };
    const Case cases[] = {
        {"both cases, lower first",
         1,
         {"a.txt: find me", "notes.txt.bak: find me", "x.txt/in.txt: find me", "B.TXT: find me"}},
        {"as stored", 0, {"a.txt: find me", "notes.txt.bak: find me", "x.txt/in.txt: find me"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Search(tree, "find", Only("txt", c.ignoreExt)).records, c.records) << c.name;
}

TEST(FolderSearch, WalksOncePerMaskInSlotOrder) {
    TempTree tree;
    tree.File("a.txt", "hit\n");
    tree.File("b.diz", "hit\n");
    tree.File("c.001", "hit\n");
    tree.File("d.txt.TXT", "hit\n");
    struct Case {
        const char* name;
        SearchOptions options;
        Lines records;
        int walks;
    };
    SearchOptions txtTwice = Only("txt", 0);
    txtTwice.Ext4 = "txt";
    SearchOptions gaps = Only("diz");
    gaps.Ext3 = "txt";
    SearchOptions none = Only("");
    const Case cases[] = {
        {"same extension in two slots",
         txtTwice,
         {"a.txt: hit", "d.txt.TXT: hit", "a.txt: hit", "d.txt.TXT: hit"},
         2},
        {"empty slots give no walk",
         gaps,
         {"b.diz: hit", "a.txt: hit", "d.txt.TXT: hit", "d.txt.TXT: hit"},
         4},
        {"extension without letters twice", Only("001"), {"c.001: hit", "c.001: hit"}, 2},
        {"no extension at all", none, {}, 0},
    };
    for (const Case& c : cases) {
        const Result result = Search(tree, "hit", c.options);
        EXPECT_EQ(result.records, c.records) << c.name;
        EXPECT_EQ(result.events.size(), static_cast<size_t>(c.walks)) << c.name;
        EXPECT_EQ(result.found, !c.records.empty()) << c.name;
    }
}

TEST(FolderSearch, TakesEntriesInFoldedNameOrderDepthFirst) {
    TempTree tree;
    for (const char* name : {"b.txt", "a.txt", "A.txt", "C.txt", "_.txt", "B/x.txt", "B/Sub/y.txt",
                             "B/z.txt", "a/q.txt"})
        tree.File(name, "x\n");
    const Result result = Search(tree, "x", Only("txt", 0));
    EXPECT_EQ(result.records,
              (Lines{"a/q.txt: x", "A.txt: x", "a.txt: x", "B/Sub/y.txt: x", "B/x.txt: x",
                     "B/z.txt: x", "b.txt: x", "C.txt: x", "_.txt: x"}));
    EXPECT_EQ(result.events, (Lines{"enter " + tree.Root(), "enter a", "enter B", "enter B/Sub"}));
}

TEST(FolderSearch, KeepsMatchingPiecesOnly) {
    TempTree tree;
    tree.File("empty.txt", "");
    tree.File("none.txt", "nothing here\n");
    tree.File("long.txt", std::string(550, '.') + "needle" + std::string(44, '.') + "\n");
    tree.File("zero.txt", std::string("ab\0needle\nneedle\0x\r\n", 20));
    tree.File("crlf.txt", "needle one\r\nneedle\rtwo\r\n");
    const Result result = Search(tree, "needle", Only("txt", 0));
    EXPECT_EQ(result.records,
              (Lines{"crlf.txt: needle one|needle\rtwo",
                     "long.txt: " + std::string(39, '.') + "needle" + std::string(44, '.'),
                     "zero.txt: needle"}));
}

TEST(FolderSearch, StopsEnteringFoldersAtTheLimit) {
    TempTree tree;
    tree.File("a0/early.txt", "hit\n");
    for (const char* name : {"f1.txt", "f2.txt", "f3.txt", "f4.txt", "f5.txt"})
        tree.File(name, "hit\n");
    tree.File("z1/late.txt", "hit\n");
    tree.File("z2/late.txt", "hit\n");
    SearchOptions options = Only("txt");
    options.Max = 2;
    const Result result = Search(tree, "hit", options);
    EXPECT_EQ(result.records, (Lines{"a0/early.txt: hit", "f1.txt: hit", "f2.txt: hit",
                                     "f3.txt: hit", "f4.txt: hit", "f5.txt: hit"}));
    // The second walk stops at the start folder without a report.
    EXPECT_EQ(result.events, (Lines{"enter " + tree.Root(), "enter a0"}));

    options.Max = 0;
    EXPECT_TRUE(Search(tree, "hit", options).events.empty());
}

TEST(FolderSearch, BuildsStatusPathsAsPassedAndRecordPathsNormal) {
    TempTree tree;
    tree.File("top/sub/f.txt", "hit\n");
    const std::string start = tree.Root() + "/top/../top/";
    const Result result = Search(tree, "hit", Only("txt", 0), start);
    EXPECT_EQ(result.records, Lines{"top/sub/f.txt: hit"});
    EXPECT_EQ(result.events, (Lines{"enter top/../top/", "enter top/../top//sub"}));

    const std::string cwd = std::unique_ptr<char, void (*)(void*)>(getcwd(nullptr, 0), free).get();
    ASSERT_EQ(::chdir(tree.Path("top").c_str()), 0);
    const Result relative = Search(tree, "hit", Only("txt", 0), ".");
    ASSERT_EQ(::chdir(cwd.c_str()), 0);
    EXPECT_EQ(relative.records, Lines{"top/sub/f.txt: hit"});
    EXPECT_EQ(relative.events, (Lines{"enter .", "enter ./sub"}));
}

TEST(FolderSearch, PassesOverWhatIsNotARegularFile) {
    TempTree tree;
    tree.Fifo("a.txt");
    tree.File("real.dat", "hit\n");
    tree.Link("l.txt", "real.dat");
    tree.Link("sub/loop.txt", "..");
    tree.Link("sub/up", "..");
    tree.Link("x.txt", "missing");
    tree.Link("y.txt.TXT", "missing");
    tree.Link("self.txt", "self.txt");
    tree.File("sub/z.txt", "hit\n");
    const Result result = Search(tree, "hit", Only("txt"));
    EXPECT_EQ(result.records, (Lines{"l.txt: hit", "sub/z.txt: hit"}));
    const std::string root = tree.Root();
    EXPECT_EQ(result.events,
              (Lines{"enter " + root, "error self.txt", "enter sub", "error x.txt",
                     "error y.txt.TXT", "enter " + root, "enter sub", "error y.txt.TXT"}));
}

TEST(FolderSearch, KeepsNameBytesExactly) {
    TempTree tree;
    const std::string name = "caf\xE9 \x80\xFF.txt";
    tree.File(name, "hit\n");
    EXPECT_EQ(Search(tree, "hit", Only("txt", 0)).records, Lines{name + ": hit"});
}

TEST(FolderSearch, SurvivesATreeThousandsOfLevelsDeep) {
    TempTree tree;
    const int depth = 5000;
    int fd = ::open(tree.Root().c_str(), O_RDONLY | O_DIRECTORY);
    for (int level = 0; level < depth; ++level) {
        ASSERT_EQ(::mkdirat(fd, "level", 0755), 0);
        const int next = ::openat(fd, "level", O_RDONLY | O_DIRECTORY);
        ::close(fd);
        fd = next;
    }
    const int file = ::openat(fd, "deep.txt", O_WRONLY | O_CREAT, 0644);
    ASSERT_EQ(::write(file, "hit\n", 4), 4);
    ::close(file);
    ::close(fd);
    tree.File("after.txt", "hit\n");

    // Far fewer descriptors than levels: the walk must not hold one per level.
    rlimit saved;
    ::getrlimit(RLIMIT_NOFILE, &saved);
    rlimit low = saved;
    low.rlim_cur = 256;
    ::setrlimit(RLIMIT_NOFILE, &low);
    const Result result = Search(tree, "hit", Only("txt", 0));
    ::setrlimit(RLIMIT_NOFILE, &saved);

    ASSERT_EQ(result.records.size(), 2u);
    std::string deepPath;
    for (int level = 0; level < depth; ++level)
        deepPath += "level/";
    EXPECT_EQ(result.records[0], "after.txt: hit");
    EXPECT_EQ(result.records[1], deepPath + "deep.txt: hit");
    EXPECT_EQ(result.events.size(), static_cast<size_t>(depth + 1));
    EXPECT_EQ(result.events.back(), "enter " + deepPath.substr(0, deepPath.size() - 1));
}

TEST(MatchRecord, GetLineOutOfRangeSaysError) {
    MatchRecord record;
    record.AddLine("first");
    record.AddLine("");
    const struct {
        int index;
        const char* line;
    } cases[] = {{-1, "TW ERROR"}, {0, "first"}, {1, ""}, {2, "TW ERROR"}};
    for (const auto& c : cases)
        EXPECT_EQ(record.GetLine(c.index), c.line) << c.index;
}
