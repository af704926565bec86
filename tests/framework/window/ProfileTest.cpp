#include "framework/window/ProfileBatch.h"
#include "framework/window/internal/ProfileFormat.h"
#include "tests/support/KeyedApp.h"
#include "tests/support/TempConfigHome.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <optional>
#include <stdexcept>
#include <unistd.h>

TEST(Profile, LiesInTheConfigFolderUnderTheKeyNamedAfterTheApplication) {
    TempTree home;
    ScopedEnvironment homeVariable("HOME", home.Root());
    ScopedEnvironment config("XDG_CONFIG_HOME", "");
    const struct {
        const char* name;
        std::optional<std::string> config;
        std::string folder;
    } cases[] = {
        {"XDG_CONFIG_HOME", home.Path("xdg"), home.Path("xdg")},
        {"unset", std::nullopt, home.Path(".config")},
        {"empty", "", home.Path(".config")},
        {"relative, which XDG ignores", "relative-xdg", home.Path(".config")},
    };
    for (const auto& c : cases) {
        if (c.config)
            ::setenv("XDG_CONFIG_HOME", c.config->c_str(), 1);
        else
            ::unsetenv("XDG_CONFIG_HOME");
        KeyedApp app("profile-path");
        EXPECT_TRUE(app.WriteProfileString("1.10", "Ext1", "txt")) << c.name;
        const std::string file = c.folder + "/Tarnwick/VO Dizuzi/profile-path.ini";
        EXPECT_EQ(::unlink(file.c_str()), 0) << c.name << ": " << file;
    }

    // Without a registry key there is no profile.
    CWinApp app("profile-path");
    EXPECT_FALSE(app.WriteProfileString("1.10", "Ext1", "txt"));
    EXPECT_EQ(app.GetProfileString("1.10", "Ext1", "none"), "none");
}

TEST(Profile, StringsReadBackByteForByteFromTheFile) {
    const std::string values[] = {
        "",
        "  blanks at both ends  ",
        "a,b",
        "\"quoted\"",
        "=;[1.10]#%",
        "two\nlines\r\nand\ta tab",
        "\xC3\xA9t\xC3\xA9", // UTF-8
        "caf\xE9",           // Latin-1, not UTF-8
        "@ByteArray(x)",     // what Qt writes for bytes, as text
        "C:\\folder\\",
        std::string(2000, 'x'),
    };
    TempConfigHome home;
    std::string bytes;
    {
        KeyedApp app("writer");
        for (size_t i = 0; i < std::size(values); ++i) {
            const std::string entry = "Value" + std::to_string(i);
            EXPECT_TRUE(app.WriteProfileString("1.10", entry.c_str(), values[i].c_str()));
        }
        bytes = home.Profile("writer").value_or("");
    }
    // Another application's file with the same bytes is read afresh.
    home.PutProfile("reader", bytes);
    KeyedApp app("reader");
    for (size_t i = 0; i < std::size(values); ++i) {
        const std::string entry = "Value" + std::to_string(i);
        EXPECT_EQ(app.GetProfileString("1.10", entry.c_str(), "absent"), values[i]) << entry;
    }
    // The file is still one the profile writes to.
    EXPECT_TRUE(app.WriteProfileString("1.10", "Ext1", "txt"));
}

TEST(Profile, IntegersReadAsDecimalTextKeepingTheLow32Bits) {
    const struct {
        const char* text;
        UINT read;
    } cases[] = {
        {"50", 50},
        {"-1", 0xFFFFFFFF},
        {"4294967295", 0xFFFFFFFF},
        {"4294967296", 0},
        {"4294967301", 5},
        {"99999999999999999999", 1661992959},
        {"-2147483648", 0x80000000},
        {"+12", 12},
        {"007", 7},
        {"-0", 0},
        {" 42 ", 42}, // blanks around a value are not part of it
        // Anything else reads as the default.
        {"", 77},
        {"12abc", 77},
        {"0x10", 77},
        {"1e3", 77},
        {"1 000", 77},
        {"-", 77},
        {"--1", 77},
        {"ten", 77},
    };
    for (const auto& c : cases) {
        TempConfigHome home;
        KeyedApp app("numbers");
        home.PutProfile("numbers", std::string("[1.10]\nMax=") + c.text + "\n");
        EXPECT_EQ(app.GetProfileInt("1.10", "Max", 77), c.read) << '"' << c.text << '"';
    }
}

TEST(Profile, AbsentValuesReadAsTheDefaultEmptyOnesArePresent) {
    TempConfigHome home;
    KeyedApp app;
    EXPECT_EQ(app.GetProfileString("1.10", "Ext1", "none"), "none");
    EXPECT_EQ(app.GetProfileString("1.10", "Ext1"), "");
    EXPECT_EQ(app.GetProfileInt("1.10", "Max", 50), 50u);

    ASSERT_TRUE(app.WriteProfileString("1.10", "Ext1", ""));
    ASSERT_TRUE(app.WriteProfileInt("1.10", "Max", -1));
    ASSERT_TRUE(app.WriteProfileString("Tip", "StartUp", "0"));
    EXPECT_EQ(app.GetProfileString("1.10", "Ext1", "none"), "");
    EXPECT_EQ(app.GetProfileString("1.10", "Max"), "-1");
    EXPECT_EQ(app.GetProfileInt("1.10", "Max", 50), 0xFFFFFFFFu);

    // A null value removes the entry, a null entry the whole section.
    ASSERT_TRUE(app.WriteProfileString("1.10", "Ext1", nullptr));
    EXPECT_EQ(app.GetProfileString("1.10", "Ext1", "none"), "none");
    EXPECT_EQ(app.GetProfileString("1.10", "Max"), "-1");
    ASSERT_TRUE(app.WriteProfileString("1.10", nullptr, nullptr));
    EXPECT_EQ(app.GetProfileInt("1.10", "Max", 50), 50u);
    EXPECT_EQ(app.GetProfileString("Tip", "StartUp"), "0");
}

TEST(Profile, AFileThatDoesNotReadAsIniIsNeverWrittenOver) {
    const struct {
        const char* name;
        std::string text;
    } cases[] = {
        {"a line without =", "[1.10]\nMax=5\nmy favourite options\n"},
        {"a section never closed", "[1.10\nMax=5\n"},
        {"a # comment", "# mine\n[1.10]\nMax=5\n"},
        {"a zero byte", std::string("[1.10]\nMax=5\0\n", 13)},
        {"a byte order mark", "\xEF\xBB\xBF[1.10]\nMax=5\n"},
        {"a program", "\x7F"
                      "ELF\x02\x01\x01\n"},
    };
    for (const auto& c : cases) {
        TempConfigHome home;
        KeyedApp app("broken");
        home.PutProfile("broken", c.text);
        EXPECT_EQ(app.GetProfileInt("1.10", "Max", 50), 50u) << c.name;
        EXPECT_FALSE(app.WriteProfileInt("1.10", "Max", 7)) << c.name;
        {
            ProfileBatch batch(app);
            app.WriteProfileString("1.10", "Ext1", "txt");
            EXPECT_FALSE(batch.Save()) << c.name;
        }
        EXPECT_EQ(home.Profile("broken"), c.text) << c.name;

        // Nor when it takes the profile's place between a reading and its save.
        home.PutProfile("broken", "[1.10]\nMax=5\n");
        {
            ProfileBatch batch(app);
            app.WriteProfileString("1.10", "Ext1", "txt");
            home.PutProfile("broken", c.text);
            EXPECT_FALSE(batch.Save()) << c.name << ", put there meanwhile";
        }
        EXPECT_EQ(home.Profile("broken"), c.text) << c.name << ", put there meanwhile";
    }
}

// One start that only saved the tip's stamp rewrote the whole profile from a
// copy read as UTF-8, each byte that is not UTF-8 becoming U+FFFD; and a
// profile of 48 MB was read whole at every profile call. Each value keeps its
// bytes through the save of another; a file larger than a profile can be, or
// a link to one, reads as the defaults and is never written.
TEST(Profile, ValuesKeepTheirBytesThroughASaveAndAFileTooLargeForAProfileIsLeftAlone) {
    // A comment line fills it up.
    std::string largest = "[1.10]\nExt1=txt\n;";
    largest.resize(ProfileFormat::kMaxBytes, 'x');
    const std::string tooLarge = largest + 'x';
    const std::string stamp = "\n[Tip]\nTimeStamp=1\n";
    const struct {
        const char* name;
        std::string file;
        bool link; // the profile is a link to a file of these bytes
        std::string ext1;
        std::optional<std::string> saved; // nothing: the save fails
    } cases[] = {
        {"bytes that are not UTF-8", "[1.10]\nExt1=\xFF\xFE\n", false, "\xFF\xFE",
         "[1.10]\nExt1=\xFF\xFE\n" + stamp},
        {"Latin-1 text", "[1.10]\nExt1=caf\xE9\nMax=5\n", false, "caf\xE9",
         "[1.10]\nExt1=caf\xE9\nMax=5\n" + stamp},
        {"bytes as the program stored them before", "[1.10]\nExt1=@ByteArray(caf\\xe9)\n", false,
         "caf\xE9", "[1.10]\nExt1=caf\xE9\n" + stamp},
        {"the largest a profile can be", largest, false, "txt", "[1.10]\nExt1=txt\n" + stamp},
        {"larger than a profile can be", tooLarge, false, "default", std::nullopt},
        {"a link to a file larger than a profile can be", tooLarge, true, "default", std::nullopt},
    };
    for (const auto& c : cases) {
        TempConfigHome home;
        KeyedApp app("cases");
        if (c.link) {
            home.Tree().File("elsewhere.ini", c.file);
            home.Tree().Link(TempConfigHome::ProfileFile("cases"),
                             home.Tree().Path("elsewhere.ini"));
        } else {
            home.PutProfile("cases", c.file);
        }
        EXPECT_EQ(app.GetProfileString("1.10", "Ext1", "default"), c.ext1) << c.name;
        EXPECT_EQ(app.WriteProfileString("Tip", "TimeStamp", "1"), c.saved ? TRUE : FALSE)
            << c.name;
        EXPECT_EQ(home.Profile("cases"), c.saved.value_or(c.file)) << c.name;
        EXPECT_EQ(app.GetProfileString("1.10", "Ext1", "default"), c.ext1) << c.name;
    }

    // Nor does a save make one.
    TempConfigHome home;
    KeyedApp app("cases");
    const std::string huge(ProfileFormat::kMaxBytes, 'x');
    EXPECT_FALSE(app.WriteProfileString("1.10", "Ext1", huge.c_str()));
    EXPECT_EQ(home.Profile("cases"), std::nullopt);
}

TEST(Profile, SomethingElseWhereTheFileOrItsFolderShouldBeStaysAsItIs) {
    const struct {
        const char* name;
        void (*make)(TempTree& tree, const std::string& file);
    } cases[] = {
        {"a folder", [](TempTree& tree, const std::string& file) { tree.Folder(file); }},
        // Opened without waiting for a writer, so the program does not hang.
        {"a FIFO", [](TempTree& tree, const std::string& file) { tree.Fifo(file); }},
        {"a file where a folder should be",
         [](TempTree& tree, const std::string&) { tree.File("Tarnwick", "mine"); }},
    };
    for (const auto& c : cases) {
        TempConfigHome home;
        KeyedApp app("blocked");
        c.make(home.Tree(), TempConfigHome::ProfileFile("blocked"));
        EXPECT_FALSE(app.WriteProfileString("1.10", "Ext1", "txt")) << c.name;
        EXPECT_EQ(app.GetProfileString("1.10", "Ext1", "none"), "none") << c.name;
    }
}

TEST(ProfileBatch, ReadsOneReadingAndSavesItsWritesTogether) {
    TempConfigHome home;
    KeyedApp app("batch");
    ASSERT_TRUE(app.WriteProfileString("1.10", "Ext1", "old"));
    const std::optional<std::string> before = home.Profile("batch");
    {
        ProfileBatch batch(app);
        EXPECT_THROW(ProfileBatch second(app), std::logic_error);
        EXPECT_TRUE(app.WriteProfileString("1.10", "Ext1", "new"));
        EXPECT_TRUE(app.WriteProfileInt("1.10", "Max", 5));
        EXPECT_EQ(app.GetProfileString("1.10", "Ext1"), "new");
        EXPECT_EQ(home.Profile("batch"), before);
        // A change made meanwhile by someone else is not seen in the batch.
        home.PutProfile("batch", "[1.10]\nExt2=changed meanwhile\n");
        EXPECT_EQ(app.GetProfileString("1.10", "Ext2"), "");
        EXPECT_TRUE(batch.Save());
    }
    EXPECT_EQ(app.GetProfileString("1.10", "Ext1"), "new");
    EXPECT_EQ(app.GetProfileInt("1.10", "Max", 50), 5u);
    EXPECT_EQ(app.GetProfileString("1.10", "Ext2"), "changed meanwhile");
    {
        ProfileBatch batch(app);
        app.WriteProfileString("1.10", "Ext1", "dropped");
    }
    EXPECT_EQ(app.GetProfileString("1.10", "Ext1"), "new");
}
