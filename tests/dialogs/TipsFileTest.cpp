#include "dialogs/TipsFile.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/TempTree.h"
#include "tests/support/WaitUntil.h"

#include <atomic>
#include <ctime>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <thread>

namespace {
// ctime()'s form: "Wed Jun 30 21:49:08 1993".
constexpr const char* kCtimeForm = "%a %b %e %H:%M:%S %Y";

// The stamp read back as seconds since 1970, taking its text as UTC.
std::time_t ParseStamp(const std::string& stamp) {
    std::tm parts{};
    if (::strptime(stamp.c_str(), kCtimeForm, &parts) == nullptr)
        return -1;
    return ::timegm(&parts);
}

// The stamp written again in ctime()'s form from what it reads as: the same
// text only when the stamp has that form.
std::string InCtimeForm(const std::string& stamp) {
    std::tm parts{};
    char text[64] = "";
    if (::strptime(stamp.c_str(), kCtimeForm, &parts) != nullptr)
        std::strftime(text, sizeof text, kCtimeForm, &parts);
    return text;
}

// ReadNextTip on a thread of its own: a reading that never ends fails the
// test at the deadline instead of holding it (the file is then left open to
// the runaway thread).
std::optional<TipRead> ReadWithDeadline(FILE* file, std::string& tip) {
    struct Shared {
        std::atomic<bool> done{false};
        TipRead result = TipRead::kTip;
        std::string tip;
    };
    auto shared = std::make_shared<Shared>();
    shared->tip = tip;
    std::thread([shared, file] {
        shared->result = ReadNextTip(file, shared->tip);
        shared->done = true;
    }).detach();
    if (!WaitUntil([&] { return shared->done.load(); }))
        return std::nullopt;
    tip = shared->tip;
    return shared->result;
}
} // namespace

TEST(TipsFile, TheStampIsTheBirthTimeInLocalTimeWrittenAsCtimeWritesIt) {
    TempTree tree;
    const std::time_t before = std::time(nullptr);
    tree.File("tips.txt", "a\n");
    const std::time_t after = std::time(nullptr);
    FILE* file = OpenTipsFile({tree.Root()});
    ASSERT_NE(file, nullptr);
    struct statx status {};
    ASSERT_EQ(::statx(::fileno(file), "", AT_EMPTY_PATH, STATX_BTIME | STATX_INO, &status), 0);

    std::string utc, india;
    {
        ScopedEnvironment tz("TZ", "UTC0");
        utc = TipsFileStamp(file);
    }
    {
        ScopedEnvironment tz("TZ", "IST-5:30");
        india = TipsFileStamp(file);
    }
    std::fclose(file);
    if (!(status.stx_mask & STATX_BTIME)) {
        // This file system keeps no birth time: the file's identity stands in.
        EXPECT_EQ(utc, "inode " + std::to_string(status.stx_ino) + " on device " +
                           std::to_string(status.stx_dev_major) + ":" +
                           std::to_string(status.stx_dev_minor));
        return;
    }
    EXPECT_EQ(InCtimeForm(utc), utc);
    EXPECT_EQ(InCtimeForm(india), india);
    EXPECT_GE(ParseStamp(utc), before);
    EXPECT_LE(ParseStamp(utc), after);
    EXPECT_EQ(ParseStamp(india) - ParseStamp(utc), 5 * 3600 + 30 * 60) << "local time";
}

TEST(TipsFile, WithoutABirthTimeTheStampFollowsTheFileNotItsTimes) {
    struct statx first {};
    first.stx_mask = STATX_INO;
    first.stx_ino = 4711;
    first.stx_dev_major = 8;
    first.stx_dev_minor = 1;
    first.stx_mtime.tv_sec = 1000;
    first.stx_ctime.tv_sec = 1000;
    struct statx edited = first; // written to in place
    edited.stx_mtime.tv_sec = edited.stx_ctime.tv_sec = 2000;
    struct statx recreated = first; // a new file under the old name
    recreated.stx_ino = 4712;
    struct statx elsewhere = first; // the same number on another disk
    elsewhere.stx_dev_minor = 2;

    EXPECT_EQ(TipsFileStamp(edited), TipsFileStamp(first));
    EXPECT_NE(TipsFileStamp(recreated), TipsFileStamp(first));
    EXPECT_NE(TipsFileStamp(elsewhere), TipsFileStamp(first));
}

TEST(TipsFile, AFileWithoutATipEndsTheReadingAfterOnePass) {
    const struct {
        const char* name;
        std::string text;
        long start;
    } cases[] = {
        {"empty", "", 0},
        {"comments only", "; one\n;two\n", 0},
        {"blank lines only", "\n\n \t\n\r\n", 0},
        {"tips only after the end mark",
         "\x1A"
         "tip\n",
         0},
        {"a comment entered after its semicolon", "; comment\n", 1},
    };
    for (const auto& c : cases) {
        TempTree tree;
        tree.File("tips.txt", c.text);
        FILE* file = OpenTipsFile({tree.Root()});
        ASSERT_NE(file, nullptr) << c.name;
        ASSERT_EQ(std::fseek(file, c.start, SEEK_SET), 0);
        std::string tip = "before";
        const std::optional<TipRead> result = ReadWithDeadline(file, tip);
        ASSERT_TRUE(result) << c.name << ": the reading did not end";
        EXPECT_EQ(*result, TipRead::kNoTip) << c.name;
        EXPECT_EQ(tip, "before") << c.name;
        std::fclose(file);
    }
}

TEST(TipsFile, TheFirstFolderHoldingATipsFileAsARegularFileWins) {
    const struct {
        const char* name;
        const char* start; // what tips.txt is in the start folder
        bool data;         // whether the data folder holds one
        const char* found;
    } cases[] = {
        {"both hold one", "file", true, "start\n"},
        {"only the data folder", nullptr, true, "data\n"},
        {"a folder named tips.txt", "folder", true, "data\n"},
        {"a FIFO named tips.txt", "fifo", true, "data\n"},
        {"neither", nullptr, false, nullptr},
    };
    for (const auto& c : cases) {
        TempTree start, data;
        const std::string kind = c.start ? c.start : "";
        if (kind == "file")
            start.File("tips.txt", "start\n");
        else if (kind == "folder")
            start.Folder("tips.txt");
        else if (kind == "fifo")
            start.Fifo("tips.txt");
        if (c.data)
            data.File("tips.txt", "data\n");
        FILE* file = OpenTipsFile({"", start.Root(), data.Root()});
        if (c.found == nullptr) {
            EXPECT_EQ(file, nullptr) << c.name;
            continue;
        }
        ASSERT_NE(file, nullptr) << c.name;
        std::string tip;
        EXPECT_EQ(ReadNextTip(file, tip), TipRead::kTip) << c.name;
        EXPECT_EQ(tip, c.found) << c.name;
        std::fclose(file);
    }
}
