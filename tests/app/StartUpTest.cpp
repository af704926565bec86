#include "CDialog.h"
#include "CFinderApp.h"
#include "FakeDesktop.h"
#include "ModalHook.h"
#include "OptionsStore.h"
#include "RegisterResources.h"
#include "Resource.h"
#include "TempConfigHome.h"
#include "UiDriver.h"

#include <QTest>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <sstream>

namespace {
// Starts the program (the application object must exist). The main dialog
// is handed to `run` instead of waiting for a user; message boxes are
// recorded.
struct Start {
    explicit Start(std::function<void(CDialog&)> run = nullptr) {
        RegisterResources();
        ModalHook hook([&](CDialog& dialog) {
            ++dialogRuns;
            if (run)
                run(dialog);
            return static_cast<INT_PTR>(IDOK);
        });
        char name[] = "vodizuzi";
        char* argv[] = {name, nullptr};
        result = AfxWinMain(1, argv);
    }
    BoxRecorder boxes;
    int dialogRuns = 0;
    int result = -1;
};

// The values of section "1.10" of an INI text, read line by line.
std::map<std::string, std::string> Section110(const std::string& text) {
    std::map<std::string, std::string> values;
    std::istringstream lines(text);
    std::string line, section;
    while (std::getline(lines, line)) {
        if (line.size() > 1 && line.front() == '[')
            section = line.substr(1, line.find(']') - 1);
        else if (const size_t equals = line.find('='); section == "1.10" && equals != line.npos)
            values[line.substr(0, equals)] = line.substr(equals + 1);
    }
    return values;
}
} // namespace

TEST(StartUp, TheFirstStartStoresTheFirstRunOptionsBeforeTheMainDialogRuns) {
    TempConfigHome home;
    CFinderApp app;
    std::map<std::string, std::string> stored;
    Start start(
        [&](CDialog&) { stored = Section110(home.Profile(app.m_pszAppName).value_or("")); });
    EXPECT_EQ(start.dialogRuns, 1);
    stored.erase("Initialized");
    const std::map<std::string, std::string> firstRun = {
        {"Ext1", "txt"}, {"Ext2", "diz"},     {"Ext3", "nfo"},    {"Ext4", ""},
        {"Ext5", ""},    {"IgnoreCaps", "1"}, {"IgnoreExt", "1"}, {"Max", "50"},
    };
    EXPECT_EQ(stored, firstRun);
}

TEST(StartUp, ALaterStartLeavesTheStoredOptionsAsTheyAre) {
    const struct {
        const char* name;
        std::optional<std::string> before;
    } cases[] = {
        {"the first-run values", std::nullopt},
        {"options saved by the user",
         "[1.10]\nExt1=c\nExt2=\nExt3=\nExt4=\nExt5=\nIgnoreCaps=0\nIgnoreExt=0\nInitialized=1\n"
         "Max=7\n"},
    };
    for (const auto& c : cases) {
        TempConfigHome home;
        CFinderApp app;
        if (c.before)
            home.PutProfile(app.m_pszAppName, *c.before);
        else
            Start first;
        const std::optional<std::string> before = home.Profile(app.m_pszAppName);
        Start second;
        EXPECT_EQ(second.dialogRuns, 1) << c.name;
        EXPECT_EQ(home.Profile(app.m_pszAppName), before) << c.name;
    }
}

TEST(StartUp, TheMainDialogSearchesTxtNfoDizWhateverTheProfileHolds) {
    TempConfigHome home;
    TempTree tree;
    for (const char* file : {"a.log", "b.diz", "c.nfo", "d.txt"})
        tree.File(file, "hit\n");
    CFinderApp app;
    home.PutProfile(app.m_pszAppName, "[1.10]\nInitialized=1\nExt1=log\nExt2=diz\nExt3=txt\n"
                                      "Ext4=nfo\nExt5=\nIgnoreCaps=0\nIgnoreExt=0\nMax=1\n");
    FakeDesktop desktop;
    std::vector<std::string> shown;
    Start start([&](CDialog& dialog) {
        ShowActive(dialog);
        desktop.moves = {tree.Root()};
        QTest::mouseClick(Widget(dialog, IDC_BROWSE), Qt::LeftButton);
        QTest::mouseClick(Widget(dialog, IDC_SEARCH_TEXT), Qt::LeftButton);
        QTest::keyClicks(Widget(dialog, IDC_SEARCH_TEXT), "hit");
        QTest::mouseClick(Widget(dialog, IDC_FIND), Qt::LeftButton);
        for (int i = 0; i < 4; ++i) {
            std::string path, counter;
            dialog.GetDlgItem(IDC_MATCH_PATH)->GetWindowText(path);
            dialog.GetDlgItem(IDC_COUNTER)->GetWindowText(counter);
            shown.push_back(path.substr(path.rfind('/') + 1) + " " + counter);
            QTest::mouseClick(Widget(dialog, IDC_NEXT), Qt::LeftButton);
        }
    });
    EXPECT_EQ(shown, (std::vector<std::string>{"d.txt 1 / 3", "c.nfo 2 / 3", "b.diz 3 / 3",
                                               "b.diz 3 / 3"}));
}

// A profile the program cannot use: it runs on the defaults and says nothing.
TEST(StartUp, AProfileThatCannotBeUsedChangesNothingAndIsNotMentioned) {
    const struct {
        const char* name;
        const char* file;
        const char* text;
    } cases[] = {
        {"a file that is not INI", nullptr, "my notes\n[1.10]\nExt1=log\n"},
        {"a file where the profile folder should be", "Tarnwick", "my notes\n"},
    };
    for (const auto& c : cases) {
        TempConfigHome home;
        CFinderApp app;
        const std::string file = c.file ? c.file : TempConfigHome::ProfileFile(app.m_pszAppName);
        home.Tree().File(file, c.text);
        Start start;
        EXPECT_EQ(start.result, 0) << c.name;
        EXPECT_EQ(start.dialogRuns, 1) << c.name;
        EXPECT_TRUE(start.boxes.boxes.empty()) << c.name;
        const SearchOptions loaded = LoadOptions(app);
        EXPECT_EQ(loaded.Ext1 + loaded.Ext2 + loaded.Ext3, "") << c.name;
        EXPECT_EQ(loaded.Max, 50) << c.name;
        std::ifstream in(home.Tree().Path(file), std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), c.text) << c.name;
    }
}

TEST(StartUp, TheApplicationTakesTheTipOfTheDayAndHelpCommands) {
    CFinderApp app;
    EXPECT_TRUE(app.OnCmdMsg(ID_TIP_OF_THE_DAY, BN_CLICKED));
    EXPECT_TRUE(app.OnCmdMsg(ID_HELP, BN_CLICKED));
    EXPECT_FALSE(app.OnCmdMsg(IDC_FIND, BN_CLICKED));
}
