#include "tools/FindCommand.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/TempTree.h"
#include "tests/support/WaitUntil.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {
struct Outcome {
    int status; // -1 when ended by a signal
    int signal;
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

// Where the finder's standard output goes.
enum class Output {
    Memory,
    DevFull,
    Closed,
    ClosedPipe,        // a pipe whose reading end is already closed
    ClosedPipeBlocked, // the same, with SIGPIPE blocked when the finder starts
};

// Starts the finder with `args`, its standard output on `out` (or as
// `output` says) and its standard error on `err`.
pid_t Start(std::vector<std::string> args, int out, int err, Output output = Output::Memory) {
    args.insert(args.begin(), VODIZUZI_FIND);
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (output == Output::DevFull)
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/full", O_WRONLY, 0);
    else if (output == Output::Closed)
        posix_spawn_file_actions_addclose(&actions, 1);
    else
        posix_spawn_file_actions_adddup2(&actions, out, 1);
    posix_spawn_file_actions_adddup2(&actions, err, 2);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t mask;
    sigemptyset(&mask);
    if (output == Output::ClosedPipeBlocked)
        sigaddset(&mask, SIGPIPE);
    posix_spawnattr_setsigmask(&attributes, &mask);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK);
    pid_t pid = -1;
    EXPECT_EQ(::posix_spawn(&pid, argv[0], &actions, &attributes, argv.data(), environ), 0);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

// Waits for the finder; `out`, unless it is -1, is a file holding its output.
Outcome Finish(pid_t pid, int out, int err) {
    int status = 0;
    if (!WaitUntil([&] { return ::waitpid(pid, &status, WNOHANG) != 0; })) {
        ADD_FAILURE() << "vodizuzi-find did not end";
        ::kill(pid, SIGKILL);
        ::waitpid(pid, &status, 0);
    }
    return Outcome{WIFEXITED(status) ? WEXITSTATUS(status) : -1,
                   WIFSIGNALED(status) ? WTERMSIG(status) : 0, out < 0 ? "" : ReadAll(out),
                   ReadAll(err)};
}

Outcome Find(const std::vector<std::string>& args, Output output = Output::Memory) {
    const int err = ::memfd_create("err", 0);
    if (output != Output::ClosedPipe && output != Output::ClosedPipeBlocked) {
        const int out = ::memfd_create("out", 0);
        return Finish(Start(args, out, err, output), out, err);
    }
    int ends[2];
    EXPECT_EQ(::pipe2(ends, O_CLOEXEC), 0);
    ::close(ends[0]);
    const pid_t pid = Start(args, ends[1], err, output);
    ::close(ends[1]);
    return Finish(pid, -1, err);
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
    EXPECT_EQ(result.err,
              "Error opening file: " + tree.Path("gone.txt") + ": " + std::strerror(ENOENT) + "\n");
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
        {"--max= 5", "x", root},
        {"--max=5 ", "x", root},
        {"--threads= 8", "x", root},
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

// Regression: a failed write was ignored (exit 0, no message). Any failed
// write but a closed pipe is reported, with status 2; a closed pipe ends the
// finder quietly by SIGPIPE, as it ends grep, even when SIGPIPE was blocked.
TEST(FindCommand, ReportsWriteErrorsAndEndsQuietlyOnAClosedPipe) {
    TempTree tree;
    tree.File("a.txt", "hit\n");
    const struct {
        const char* name;
        Output output;
        std::vector<std::string> args;
        int status;
        int signal;
        std::string err;
    } cases[] = {
        {"full device",
         Output::DevFull,
         {"hit", tree.Root()},
         2,
         0,
         std::string("vodizuzi-find: write error: ") + std::strerror(ENOSPC) + "\n"},
        {"help on a full device",
         Output::DevFull,
         {"--help"},
         2,
         0,
         std::string("vodizuzi-find: write error: ") + std::strerror(ENOSPC) + "\n"},
        {"closed output",
         Output::Closed,
         {"hit", tree.Root()},
         2,
         0,
         std::string("vodizuzi-find: write error: ") + std::strerror(EBADF) + "\n"},
        {"closed pipe", Output::ClosedPipe, {"hit", tree.Root()}, -1, SIGPIPE, ""},
        {"closed pipe, SIGPIPE blocked",
         Output::ClosedPipeBlocked,
         {"hit", tree.Root()},
         -1,
         SIGPIPE,
         ""},
    };
    for (const auto& c : cases) {
        const Outcome result = Find(c.args, c.output);
        EXPECT_EQ(result.status, c.status) << c.name;
        EXPECT_EQ(result.signal, c.signal) << c.name;
        EXPECT_EQ(result.err, c.err) << c.name;
    }
}

// Regression: every record was held until the search ended. Here the first
// folder gives far more output than the pipe holds, so a finder that streams
// is held back by the pipe soon after its first records; only once the first
// record has come is a matching file made in the folder the walk reaches
// last. A finder that holds its records has listed that folder long before.
TEST(FindCommand, StreamsRecordsBeforeTheSearchEnds) {
    TempTree tree;
    const std::string line = "hit " + std::string(600, 'x');
    for (int i = 0; i < 3000; ++i)
        tree.File("a/" + std::to_string(10000 + i) + ".txt", line + "\n");
    tree.Folder("z");
    const std::string root = tree.Root();
    for (const char* threads : {"--threads=1", "--threads=2"}) {
        ::unlink(tree.Path("z/late.txt").c_str());
        int ends[2];
        ASSERT_EQ(::pipe2(ends, O_CLOEXEC), 0);
        ::fcntl(ends[1], F_SETPIPE_SZ, 4096);
        const int err = ::memfd_create("err", 0);
        const pid_t pid = Start(
            {threads, "--ext=txt", "--ignore-ext=0", "--max=100000", "hit", root}, ends[1], err);
        ::close(ends[1]);

        std::string out;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        // Reads once more; false at the end of the output or after the deadline.
        const auto readMore = [&] {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            pollfd ready{ends[0], POLLIN, 0};
            if (left.count() <= 0 || ::poll(&ready, 1, static_cast<int>(left.count())) <= 0)
                return false;
            char buffer[4096];
            const ssize_t got = ::read(ends[0], buffer, sizeof buffer);
            if (got > 0)
                out.append(buffer, static_cast<size_t>(got));
            return got > 0;
        };
        while (out.find('\n') == std::string::npos && readMore()) {
        }
        ASSERT_EQ(out.substr(0, out.find('\n')), root + "/a/10000.txt") << threads;
        tree.File("z/late.txt", "hit late\n");
        while (readMore()) {
        }
        ::close(ends[0]);
        const Outcome result = Finish(pid, -1, err);
        EXPECT_EQ(result.status, 0) << threads;
        EXPECT_EQ(std::count(out.begin(), out.end(), '\t'), 3001) << threads;
        const std::string late = root + "/z/late.txt\n\thit late\n";
        EXPECT_TRUE(out.size() >= late.size() &&
                    out.compare(out.size() - late.size(), late.size(), late) == 0)
            << "the late file is missing, " << threads;
    }
}

// Regression: --help did not list --threads, and a number out of range was
// refused as if it were no number at all.
TEST(FindCommand, HelpListsEveryOptionAndRangeErrorsSayTheRange) {
    const Outcome help = Find({"--help"});
    for (const char* option : {"--ext=", "--ignore-caps=", "--ignore-ext=", "--max=", "--threads=",
                               "--progress", "--help"})
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
    TempTree tree;
    const struct {
        const char* arg;
        const char* err;
    } cases[] = {
        {"--max=99999999999", "--max takes a number from -2147483648 to 2147483647, not "
                              "'99999999999'"},
        {"--max=ten", "--max takes a number from -2147483648 to 2147483647, not 'ten'"},
        {"--threads=65", "--threads takes a number from 1 to 64, not '65'"},
        {"--ignore-ext=2", "--ignore-ext takes 0 or 1, not '2'"},
    };
    for (const auto& c : cases) {
        const Outcome result = Find({c.arg, "x", tree.Root()});
        EXPECT_EQ(result.err, std::string("vodizuzi-find: ") + c.err + " (see --help)\n");
    }
}

// Regression: a start folder that exists but cannot be read gave status 1
// ("nothing found") without a word; running out of memory or of file
// descriptors ended the program with an abort, or lost every record. Each
// now ends the command with one line saying why and status 2, after the
// records found before. Run in a child process that may lower its limits
// and drop to an unprivileged user.
TEST(FindCommand, FailuresAreReportedWithTheirReason) {
    TempTree tree;
    tree.File("a/first.txt", "x\n");
    tree.File("b/huge.txt", std::string(40 << 20, '\n'));
    tree.Folder("locked");
    tree.Mode("locked", 0);
    tree.Mode("", 0755);
    const std::string root = tree.Root();
    const struct {
        const char* name;
        bool unprivileged;
        std::function<std::string()> prepare; // the reason to skip, or ""
        std::string folder;
        std::string out;
        std::string err;
    } cases[] = {
        {"unreadable folder", true,
         [&] {
             return std::string(::access((root + "/locked").c_str(), R_OK) == 0
                                    ? "permissions do not apply to this user"
                                    : "");
         },
         root + "/locked", "",
         "vodizuzi-find: cannot open folder: " + root + "/locked: " + std::strerror(EACCES) + "\n"},
#if !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)
        // (The sanitizers' own checks need free descriptors: UBSan's vptr
        // check reads memory through a pipe.)
        {"too few descriptors", false,
         [] {
             rlimit limit;
             ::getrlimit(RLIMIT_NOFILE, &limit);
             limit.rlim_cur = 2; // fewer than those open: none to spare
             return std::string(::setrlimit(RLIMIT_NOFILE, &limit) == 0 ? "" : "no limit");
         },
         root, "", "vodizuzi-find: too few file descriptors: "},
        // (AddressSanitizer aborts instead of throwing, and the sanitizers'
        // shadow memory cannot live under RLIMIT_AS.)
        {"out of memory", false,
         [] {
             rlimit limit{RLIM_INFINITY, RLIM_INFINITY};
             std::ifstream status("/proc/self/status");
             for (std::string line; std::getline(status, line);) {
                 if (line.rfind("VmSize:", 0) == 0)
                     limit.rlim_cur = (std::stoul(line.substr(7)) + 400 * 1024) * 1024;
             }
             return std::string(::setrlimit(RLIMIT_AS, &limit) == 0 ? "" : "no limit");
         },
         root, root + "/a/first.txt\n\tx\n", "vodizuzi-find: out of memory\n"},
#endif
    };
    for (const auto& c : cases) {
        const std::function<std::string()> body = [&]() -> std::string {
            const int out = ::memfd_create("out", 0);
            const int err = ::memfd_create("err", 0);
            std::FILE* errFile = ::fdopen(::dup(err), "w");
            const std::string skip = c.prepare();
            if (!skip.empty())
                return ChildProcess::kSkip + skip;
            const int status = FindCommand().Run({"--threads=1", "^", c.folder}, out, errFile);
            std::fclose(errFile);
            std::string problems;
            if (status != 2)
                problems += "status " + std::to_string(status) + "\n";
            if (ReadAll(out) != c.out)
                problems += "other output\n";
            const std::string said = ReadAll(err);
            if (said.rfind(c.err, 0) != 0 || said.find('\n') != said.size() - 1)
                problems += "said: " + said;
            return problems;
        };
        const std::string answer =
            c.unprivileged ? ChildProcess::RunUnprivileged(root, body) : ChildProcess::Run(body);
        if (answer.rfind(ChildProcess::kSkip, 0) == 0)
            std::printf("%s skipped: %s\n", c.name, answer.c_str());
        else
            EXPECT_EQ(answer, "") << c.name;
    }
    tree.Mode("locked", 0755);
}
