#include "framework/desktop/internal/DetachedProcess.h"
#include "framework/desktop/internal/StandardDesktopServices.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/TempTree.h"
#include "tests/support/WaitUntil.h"

#include <fcntl.h>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {
// How the recorder program was started.
struct Record {
    pid_t pid = 0;
    int inheritedDescriptors = -1;
    std::vector<std::string> argv;
};

bool Exists(const std::string& path) {
    struct stat info;
    return ::stat(path.c_str(), &info) == 0;
}

// Runs `start`, which must start the recorder, and waits until the recorder
// has written its record; an empty record when it has not within the tests'
// deadline.
Record Recorded(const TempTree& tree, const std::function<bool()>& start) {
    const std::string file = tree.Path("record");
    ::unlink(file.c_str());
    const ScopedEnvironment record("ARGV_RECORD", file);
    EXPECT_TRUE(start());
    if (!WaitUntil([&] { return Exists(file); })) {
        ADD_FAILURE() << "the recorder wrote no record";
        return Record();
    }
    std::ifstream in(file, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::vector<std::string> fields;
    std::istringstream stream(bytes);
    for (std::string field; std::getline(stream, field, '\0');)
        fields.push_back(field);
    Record result;
    result.pid = std::stoi(fields.at(0));
    result.inheritedDescriptors = std::stoi(fields.at(1));
    result.argv.assign(fields.begin() + 2, fields.end());
    return result;
}

// True while `pid` is a child of this process, running or a zombie.
bool IsOurChild(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    if (text.empty())
        return false;
    std::istringstream rest(text.substr(text.rfind(')') + 1));
    char state = 0;
    pid_t parent = 0;
    rest >> state >> parent;
    return parent == ::getpid();
}
} // namespace

TEST(DetachedProcess, PassesEveryArgumentWithItsExactBytes) {
    TempTree tree;
    const std::string arguments[] = {
        "/home/me/notes.txt",
        "/home/me/my notes.txt",
        "/tmp/it's \"quoted\".txt",
        "-n",
        "--help",
        "/tmp/caf\xe9.txt",
        "$(touch x); *.txt",
        "",
        "a\nb\tc",
    };
    for (const std::string& argument : arguments) {
        const std::vector<std::string> argv = {ARGV_RECORDER, argument};
        const Record record = Recorded(tree, [&] { return DetachedProcess::Start(argv); });
        EXPECT_EQ(record.argv, argv) << argument;
    }
}

TEST(DetachedProcess, LeavesNoZombieAndNoDescriptorBehind) {
    TempTree tree;
    const int leaky = ::open("/dev/null", O_RDONLY); // inheritable on purpose
    const Record record = Recorded(tree, [] { return DetachedProcess::Start({ARGV_RECORDER}); });
    ::close(leaky);
    EXPECT_EQ(record.inheritedDescriptors, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsOurChild(record.pid); }))
        << "the recorder was not reaped";
}

TEST(DetachedProcess, ReportsAProgramThatCannotRun) {
    TempTree tree;
    tree.File("bin/not-executable", "");
    const ScopedEnvironment path("PATH", tree.Path("bin"));

    const std::vector<std::string> cases[] = {
        {},
        {"no-such-program-here"},
        {tree.Path("bin/missing")},
        {tree.Path("bin")},
        {"not-executable"},
    };
    for (const auto& argv : cases)
        EXPECT_FALSE(DetachedProcess::Start(argv)) << (argv.empty() ? "" : argv.front());
}

TEST(StandardDesktopServices, StartsXdgOpenWithThePathAsItsOneArgument) {
    TempTree tree;
    tree.Link("bin/xdg-open", ARGV_RECORDER);
    const ScopedEnvironment path("PATH", tree.Path("bin"));
    const std::string file = "/tmp/dir with blank/caf\xe9 \"x\".txt";

    StandardDesktopServices services;
    const Record record = Recorded(tree, [&] { return services.StartEditor(file); });
    EXPECT_EQ(record.argv, (std::vector<std::string>{"xdg-open", file}));
}

TEST(StandardDesktopServices, OpensALinkWithXdgOpenAndGivesAWwwAddressItsScheme) {
    TempTree tree;
    tree.Link("bin/xdg-open", ARGV_RECORDER);
    const ScopedEnvironment path("PATH", tree.Path("bin"));
    const struct {
        std::string link;
        std::string argument;
    } cases[] = {
        {"mailto:support@tarnwick.example", "mailto:support@tarnwick.example"},
        {"www.tarnwick.example/projects/VODizuzi.html",
         "http://www.tarnwick.example/projects/VODizuzi.html"},
        {"WWW.Tarnwick.example", "http://WWW.Tarnwick.example"},
        {"https://www.tarnwick.example", "https://www.tarnwick.example"},
        {"wwwtarnwick.example", "wwwtarnwick.example"},
        {"www", "www"},
        {"www.a b \"c\" $(d)", "http://www.a b \"c\" $(d)"},
    };
    StandardDesktopServices services;
    for (const auto& c : cases) {
        const Record record = Recorded(tree, [&] { return services.OpenLink(c.link); });
        EXPECT_EQ(record.argv, (std::vector<std::string>{"xdg-open", c.argument})) << c.link;
    }
}
