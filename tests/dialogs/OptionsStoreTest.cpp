#include "dialogs/OptionsStore.h"
#include "tests/dialogs/WriterProcess.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/KeyedApp.h"
#include "tests/support/OptionsPrinter.h"
#include "tests/support/TempConfigHome.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {
const SearchOptions kReadDefaults{"", "", "", "", "", 1, 1, 50};
const SearchOptions kFirstRun{"txt", "diz", "nfo", "", "", 1, 1, 50};
const SearchOptions kMine{"c", "h", "cpp", "hpp", "inl", 0, 0, 7};
} // namespace

TEST(OptionsStore, TheFirstStartStoresTheFirstRunValuesAndLaterStartsNothing) {
    TempConfigHome home;
    KeyedApp app("store");
    EXPECT_EQ(LoadOptions(app), kReadDefaults);
    WriteDefaultOptions(app);
    EXPECT_EQ(LoadOptions(app), kFirstRun);
    // The empty extensions are stored, not left out.
    EXPECT_EQ(app.GetProfileString("1.10", "Ext4", "absent"), "");
    EXPECT_EQ(app.GetProfileString("1.10", "Ext5", "absent"), "");

    SaveOptions(app, kMine);
    const auto saved = home.Profile("store");
    WriteDefaultOptions(app);
    EXPECT_EQ(home.Profile("store"), saved);
    EXPECT_EQ(LoadOptions(app), kMine);
}

TEST(OptionsStore, SavedOptionsLoadAsSaved) {
    const struct {
        const char* name;
        SearchOptions options;
    } cases[] = {
        {"all extensions empty", {"", "", "", "", "", 0, 0, 1}},
        {"all 32 bits set", {"txt", "", "", "", "", -1, -1, -1}},
        {"bytes that are not UTF-8", {"\xE9t\xE9", "t\xFC", "", "", "", 1, 0, 1000}},
        // A value of the options table under another's name, or its field,
        // would come back in the wrong place.
        {"every value a different one", {"a", "bb", "ccc", "d", "", 2, 3, 4}},
    };
    for (const auto& c : cases) {
        TempConfigHome home;
        KeyedApp app("store");
        WriteDefaultOptions(app);
        SaveOptions(app, c.options);
        EXPECT_EQ(LoadOptions(app), c.options) << c.name;
        EXPECT_EQ(app.GetProfileString("1.10", "Ext5", "absent"), "") << c.name;
    }
}

TEST(OptionsStore, ADeletedValueLoadsItsReadDefaultAndStaysDeleted) {
    const struct {
        const char* entry;
        void (*expect)(SearchOptions& o);
    } cases[] = {
        {"Ext1", [](SearchOptions& o) { o.Ext1 = ""; }},
        {"Ext3", [](SearchOptions& o) { o.Ext3 = ""; }},
        {"IgnoreCaps", [](SearchOptions& o) { o.IgnoreCaps = 1; }},
        {"IgnoreExt", [](SearchOptions& o) { o.IgnoreExt = 1; }},
        {"Max", [](SearchOptions& o) { o.Max = 50; }},
    };
    for (const auto& c : cases) {
        TempConfigHome home;
        KeyedApp app("store");
        WriteDefaultOptions(app);
        SaveOptions(app, kMine);
        ASSERT_TRUE(app.WriteProfileString("1.10", c.entry, nullptr));
        WriteDefaultOptions(app); // a later start
        SearchOptions expected = kMine;
        c.expect(expected);
        EXPECT_EQ(LoadOptions(app), expected) << c.entry;
    }
}

TEST(OptionsStore, ValuesWrittenByHandLoadAsTheyAreEvenOutOfRange) {
    const struct {
        const char* text;
        SearchOptions options;
    } cases[] = {
        {"[1.10]\nInitialized=1\nExt1=abcde\nExt2=\nExt3=.txt\nIgnoreCaps=7\nIgnoreExt=0\n"
         "Max=5000\n",
         {"abcde", "", ".txt", "", "", 7, 0, 5000}},
        {"[1.10]\nInitialized=yes\nExt2=a,b\nMax=4294967295\nIgnoreCaps=-2\n",
         {"", "a,b", "", "", "", -2, 1, -1}},
    };
    for (const auto& c : cases) {
        TempConfigHome home;
        KeyedApp app("store");
        home.PutProfile("store", c.text);
        WriteDefaultOptions(app);
        EXPECT_EQ(LoadOptions(app), c.options) << c.text;
        EXPECT_EQ(home.Profile("store"), c.text);
    }
}

// Two processes save their options at the same time, over and over, while
// this one loads them: every load, and the file at the end, holds one
// process's eight values whole.
TEST(OptionsStore, ProcessesSavingAtOnceNeverMixTheirValues) {
    const SearchOptions a{"a1", "a2", "a3", "a4", "a5", 0, 1, 111};
    const SearchOptions b{"bb1", "bb2", "bb3", "", "bb5", 1, 0, 2222};
    const auto args = [](const SearchOptions& options) {
        std::vector<std::string> args{"racers", "save", "60"};
        for (std::string& word : OptionWords(options))
            args.push_back(std::move(word));
        return args;
    };
    TempConfigHome home;
    KeyedApp app("racers");
    WriteDefaultOptions(app);
    WriterProcess first(args(a)), second(args(b));
    int loads = 0;
    WaitUntil([&] {
        const SearchOptions seen = LoadOptions(app);
        EXPECT_TRUE(seen == kFirstRun || seen == a || seen == b) << testing::PrintToString(seen);
        ++loads;
        return first.Ended() && second.Ended();
    });
    EXPECT_EQ(first.Wait(), 0);
    EXPECT_EQ(second.Wait(), 0);
    EXPECT_GT(loads, 1);
    const SearchOptions last = LoadOptions(app);
    EXPECT_TRUE(last == a || last == b) << testing::PrintToString(last);
}

// Another user, who may not write the profile folder or read the file in it:
// the first start runs on the read defaults and changes nothing. That user
// starts in a child of this test: a helper program from the build tree could
// not be started as that user where the checkout lies in a private folder.
TEST(OptionsStore, AProfileTheUserMayNotWriteOrReadLeavesTheDefaults) {
    const struct {
        const char* name;
        std::optional<std::string> file;
        mode_t folderMode, fileMode;
    } cases[] = {
        {"a read-only folder", std::nullopt, 0555, 0},
        {"a file the user may not read", "[1.10]\nInitialized=1\nExt1=log\n", 0755, 0},
    };
    for (const auto& c : cases) {
        TempConfigHome home;
        home.Tree().Folder("Tarnwick/VO Dizuzi");
        if (c.file) {
            home.PutProfile("other", *c.file);
            ::chmod(home.ProfilePath("other").c_str(), c.fileMode);
        }
        ::chmod(home.Tree().Root().c_str(), 0755);
        ::chmod(home.Tree().Path("Tarnwick/VO Dizuzi").c_str(), c.folderMode);
        const std::string loaded = ChildProcess::RunUnprivileged(home.Tree().Root(), [] {
            KeyedApp app("other");
            WriteDefaultOptions(app);
            return testing::PrintToString(LoadOptions(app));
        });
        ::chmod(home.Tree().Path("Tarnwick/VO Dizuzi").c_str(), 0755);
        if (loaded.rfind(ChildProcess::kSkip, 0) == 0)
            GTEST_SKIP() << loaded;
        EXPECT_EQ(loaded, testing::PrintToString(kReadDefaults)) << c.name;
        ::chmod(home.ProfilePath("other").c_str(), 0600);
        EXPECT_EQ(home.Profile("other"), c.file) << c.name;
    }
}
