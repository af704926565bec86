#include "dialogs/CFolderBrowser.h"
#include "tests/support/FakeDesktop.h"

#include <gtest/gtest.h>

using Log = std::vector<std::string>;

namespace {
const std::string k35 = "/home/user/Documents/Letters/2019/a"; // 35 bytes
const std::string k36 = k35 + "b";
} // namespace

TEST(FolderBrowserShortenPath, CutsAfter35BytesAndAddsDotsWithoutSplittingALetter) {
    const struct {
        const char* name;
        std::string text, shown;
    } cases[] = {
        {"empty", "", ""},
        {"35 bytes stay", k35, k35},
        {"36 bytes are cut", k36, k35 + "..."},
        {"much longer", k36 + "/cdefghijklmnop", k35 + "..."},
        // A UTF-8 letter straddling the cut is left out whole.
        {"UTF-8 letter at the cut", std::string(34, 'x') + "\xC3\xA9z",
         std::string(34, 'x') + "..."},
        {"three-byte letter at the cut", std::string(33, 'x') + "\xE2\x82\xACz",
         std::string(33, 'x') + "..."},
        {"Latin-1 bytes stay bytes", std::string(34, 'x') + "\xE9\xE9z",
         std::string(34, 'x') + "\xE9..."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CFolderBrowser::ShortenPath(c.text), c.shown) << c.name;
    }
}

TEST(FolderBrowser, ThePathAndTheStatusLineFollowTheSelection) {
    const struct {
        const char* name;
        const char* initial;
        std::string home; // what the chooser selects when nothing else is
        std::vector<std::string> moves;
        bool confirm;
        INT_PTR result;
        std::string path;
        Log log;
    } cases[] = {
        {"no initial path: the home folder that the chooser selects is shown",
         nullptr,
         k36,
         {},
         true,
         IDOK,
         k36,
         {"select ", "status ", "status " + k35 + "..."}},
        {"confirm after moving gives the full path, not the status text",
         nullptr,
         "",
         {"/srv", k36},
         true,
         IDOK,
         k36,
         {"select ", "status ", "status /srv", "status " + k35 + "..."}},
        {"cancel after moving keeps the folder moved to",
         "",
         "",
         {"/srv", "/srv/data"},
         false,
         IDCANCEL,
         "/srv/data",
         {"select ", "status ", "status /srv", "status /srv/data"}},
        {"the initial folder is selected, then its shortened path shown",
         k36.c_str(),
         "",
         {},
         false,
         IDCANCEL,
         k36,
         {"select " + k36, "status " + k35 + "...", "status " + k35 + "..."}},
        {"confirming the initial folder",
         "/srv",
         "",
         {},
         true,
         IDOK,
         "/srv",
         {"select /srv", "status /srv", "status /srv"}},
    };
    for (const auto& c : cases) {
        FakeDesktop desktop;
        desktop.home = c.home;
        desktop.moves = c.moves;
        desktop.confirm = c.confirm;
        CFolderBrowser browser(c.initial);
        EXPECT_EQ(browser.DoModal(), c.result) << c.name;
        EXPECT_EQ(browser.GetPath(), c.path) << c.name;
        EXPECT_EQ(desktop.log, c.log) << c.name;
    }
}

TEST(FolderBrowser, AnEmptyAnswerIsNoChoice) {
    FakeDesktop desktop;
    desktop.moves = {"/srv"};
    desktop.answer = "";
    CFolderBrowser browser;
    EXPECT_EQ(browser.DoModal(), IDCANCEL);
    EXPECT_EQ(browser.GetPath(), "/srv");
}
