#include "TempTree.h"
#include "WaitUntil.h"

#include <gtest/gtest.h>

#include <csignal>
#include <spawn.h>
#include <string>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {
struct Outcome {
    int status;
    std::string out;
    std::string err;
};

std::string ReadAll(int fd) {
    std::string text;
    ::lseek(fd, 0, SEEK_SET);
    char buffer[4096];
    ssize_t got;
    while ((got = ::read(fd, buffer, sizeof buffer)) > 0)
        text.append(buffer, static_cast<size_t>(got));
    ::close(fd);
    return text;
}

Outcome Find(std::vector<std::string> args) {
    args.insert(args.begin(), VODIZUZI_FIND);
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    const int out = ::memfd_create("out", 0), err = ::memfd_create("err", 0);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out, 1);
    posix_spawn_file_actions_adddup2(&actions, err, 2);
    pid_t pid;
    const int spawned = ::posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    EXPECT_EQ(spawned, 0);
    int status = 0;
    if (!WaitUntil([&] { return ::waitpid(pid, &status, WNOHANG) != 0; })) {
        ADD_FAILURE() << "vodizuzi-find did not end";
        ::kill(pid, SIGKILL);
        ::waitpid(pid, &status, 0);
    }
    return Outcome{WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadAll(out), ReadAll(err)};
}
} // namespace

TEST(FindCommand, PrintsRecordsWithTabbedLines) {
    TempTree tree;
    tree.File("a.txt", "one match\nno\r\nmatch two\r\n");
    tree.File("b.nfo", "match\n");
    tree.File("c.log", "match\n");
    tree.File("sub/d.DIZ", std::string("x\xE9 match\0cut\n", 13));
    const std::string root = tree.Root();
    const Outcome result = Find({"match", root});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, root + "/a.txt\n\tone match\n\tmatch two\n" + root + "/b.nfo\n\tmatch\n" +
                              root + "/sub/d.DIZ\n\tx\xE9 match\n");
    EXPECT_EQ(result.err, "");
}

TEST(FindCommand, TakesItsOptions) {
    TempTree tree;
    tree.File("a.txt", "Match\n");
    tree.File("b.TXT", "match\n");
    tree.File("c.diz", "match\n");
    tree.File("s/d.txt", "match\n");
    const std::string root = tree.Root();
    struct Case {
        std::vector<std::string> args;
        std::string out;
    };
    const Case cases[] = {
        {{"--ignore-caps=0", "match", root},
         root + "/s/d.txt\n\tmatch\n" + root + "/b.TXT\n\tmatch\n" + root + "/c.diz\n\tmatch\n"},
        {{"--ext=,,diz", "match", root}, root + "/c.diz\n\tmatch\n"},
        {{"--ext=txt", "--ignore-ext=0", "match", root},
         root + "/a.txt\n\tMatch\n" + root + "/s/d.txt\n\tmatch\n"},
        {{"--max=1", "--ext=txt", "match", root}, root + "/a.txt\n\tMatch\n"},
        {{"--threads=1", "--max=1", "--ext=txt", "match", root}, root + "/a.txt\n\tMatch\n"},
        {{"--", "^m", root},
         root + "/a.txt\n\tMatch\n" + root + "/s/d.txt\n\tmatch\n" + root + "/b.TXT\n\tmatch\n" +
             root + "/c.diz\n\tmatch\n"},
    };
    for (const Case& c : cases) {
        const Outcome result = Find(c.args);
        EXPECT_EQ(result.out, c.out) << c.args[0];
        EXPECT_EQ(result.status, 0) << c.args[0];
    }
    const Outcome progress = Find({"--progress", "--ext=txt", "--ignore-ext=0", "zzz", root});
    EXPECT_EQ(progress.status, 1);
    EXPECT_EQ(progress.out, "");
    EXPECT_EQ(progress.err, "Searching " + root + "\nSearching " + root + "/s\n");
}

TEST(FindCommand, ReportsFilesThatCannotBeOpened) {
    TempTree tree;
    tree.Link("gone.txt", "nowhere");
    tree.File("ok.txt", "hit\n");
    const Outcome result = Find({"--ext=txt", "hit", tree.Root()});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "Error opening file: " + tree.Path("gone.txt") + "\n");
}

TEST(FindCommand, RefusesBadUsageWithOneLine) {
    TempTree tree;
    tree.File("file.txt", "x\n");
    const std::string root = tree.Root();
    const std::vector<std::string> cases[] = {
        {"", root},
        {"x", root + "/missing"},
        {"x", root + "/file.txt"},
        {"x"},
        {"x", root, "extra"},
        {"--bogus", "x", root},
        {"--max=ten", "x", root},
        {"--max=", "x", root},
        {"--max=99999999999", "x", root},
        {"--ignore-caps=2", "x", root},
        {"--ext=a,b,c,d,e,f", "x", root},
        {"--progress=1", "x", root},
        {"--threads=0", "x", root},
        {"--threads=65", "x", root},
    };
    for (const auto& args : cases) {
        const Outcome result = Find(args);
        EXPECT_EQ(result.status, 2) << args[0];
        EXPECT_EQ(result.out, "") << args[0];
        ASSERT_FALSE(result.err.empty()) << args[0];
        EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << result.err;
    }
    const Outcome help = Find({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("Usage: vodizuzi-find [OPTIONS] PATTERN FOLDER"), std::string::npos);
}
