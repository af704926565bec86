#include "app/CFinderApp.h"
#include "dialogs/CTipOfDayDlg.h"
#include "dialogs/OptionsStore.h"
#include "framework/dialog/CDialog.h"
#include "framework/dialog/ModalHook.h"
#include "res/RegisterResources.h"
#include "res/Resource.h"
#include "tests/support/FakeDesktop.h"
#include "tests/support/ScopedCurrentFolder.h"
#include "tests/support/TempConfigHome.h"
#include "tests/support/UiDriver.h"

#include <QTest>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <sstream>

namespace {
constexpr const char* kAbsent = "(absent)";

// A profile and a current folder of the test's own, made before the
// application object, which takes the folder as the one current at start-up
// (where the Tip of the Day looks for tips.txt).
struct Fresh : TempConfigHome {
    TempTree folder;
    ScopedCurrentFolder current{folder.Root()};
};

// Starts the program (the application object must exist) with `args` after
// its name. The main dialog is handed to `run` and the Tip of the Day to
// `tip` instead of waiting for a user; the dialogs are logged as they run
// ("tip " and the tip shown, "main"), message boxes recorded.
struct Start {
    explicit Start(std::function<void(CDialog&)> run = nullptr, std::vector<std::string> args = {},
                   std::function<void(CDialog&)> tip = nullptr) {
        RegisterResources();
        ModalHook hook([&](CDialog& dialog) {
            if (dynamic_cast<CTipOfDayDlg*>(&dialog) != nullptr) {
                std::string text;
                dialog.GetDlgItem(IDC_TIPSTRING)->GetWindowText(text);
                log.push_back("tip " + text);
                if (tip)
                    tip(dialog);
                return static_cast<INT_PTR>(IDOK);
            }
            log.push_back("main");
            ++dialogRuns;
            if (run)
                run(dialog);
            return static_cast<INT_PTR>(IDOK);
        });
        std::vector<char*> argv;
        std::string name = "vodizuzi";
        argv.push_back(name.data());
        for (std::string& arg : args)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        result = AfxWinMain(static_cast<int>(argv.size() - 1), argv.data());
    }
    BoxRecorder boxes;
    std::vector<std::string> log;
    int dialogRuns = 0; // of the main dialog
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
    Fresh home;
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
        Fresh home;
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
    Fresh home;
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
        Fresh home;
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

TEST(StartUp, TheTipOfTheDayComesFirstUnlessSwitchedOffOrStartedByAnotherProgram) {
    using Log = std::vector<std::string>;
    const Log tipA = {"tip a\n", "main"};
    const Log tipB = {"tip b\n", "main"};
    const struct {
        const char* name;
        std::vector<std::vector<std::string>> starts; // the arguments of each
        bool untick;                                  // in the first start's tip
        std::vector<Log> logs;                        // of each start
        std::vector<std::string> filePos;             // after each start
    } cases[] = {
        {"a first start", {{}}, false, {tipA}, {"2"}},
        {"each start the next tip", {{}, {}, {}}, false, {tipA, tipB, tipA}, {"2", "4", "2"}},
        {"/Embedding", {{"/Embedding"}}, false, {{"main"}}, {kAbsent}},
        {"-automation in lower case", {{"-automation"}}, false, {{"main"}}, {kAbsent}},
        {"other arguments", {{"notes.txt", "/verbose", "-x"}}, false, {tipA}, {"2"}},
        {"tips turned off: later starts go straight on, a tip further each time",
         {{}, {}, {}},
         true,
         {tipA, {"main"}, {"main"}},
         {"2", "4", "2"}},
    };
    for (const auto& c : cases) {
        Fresh home;
        home.folder.File("tips.txt", "a\nb\n");
        CFinderApp app;
        for (size_t i = 0; i < c.starts.size(); ++i) {
            const bool untick = c.untick && i == 0;
            Start start(nullptr, c.starts[i], [untick](CDialog& tip) {
                ShowActive(tip);
                if (untick)
                    QTest::mouseClick(Widget(tip, IDC_STARTUP), Qt::LeftButton);
                QTest::mouseClick(Widget(tip, IDOK), Qt::LeftButton);
            });
            EXPECT_EQ(start.log, c.logs[i]) << c.name << ", start " << i + 1;
            const std::string filePos = app.GetProfileString("Tip", "FilePos", kAbsent);
            EXPECT_EQ(filePos, c.filePos[i]) << c.name << ", start " << i + 1;
            EXPECT_EQ(app.GetProfileString("Tip", "TimeStamp", kAbsent) == kAbsent,
                      filePos == kAbsent)
                << c.name << ": the tips file is read whenever the position moves";
        }
    }
}

TEST(StartUp, TheApplicationTakesTheTipOfTheDayAndHelpCommands) {
    Fresh home;
    home.folder.File("tips.txt", "a\n");
    FakeDesktop desktop;
    CFinderApp app;
    RegisterResources();
    app.WriteProfileString("Tip", "StartUp", "1");
    std::vector<std::string> shown;
    ModalHook hook([&](CDialog& dialog) {
        std::string text;
        dialog.GetDlgItem(IDC_TIPSTRING)->GetWindowText(text);
        shown.push_back(text);
        return static_cast<INT_PTR>(IDCANCEL);
    });
    EXPECT_TRUE(app.OnCmdMsg(ID_TIP_OF_THE_DAY, BN_CLICKED));
    EXPECT_EQ(shown, std::vector<std::string>{"a\n"}) << "shown although the tips are off";
    EXPECT_TRUE(app.OnCmdMsg(ID_HELP, BN_CLICKED));
    EXPECT_FALSE(app.OnCmdMsg(IDC_FIND, BN_CLICKED));
    // Without a window, the manual from its beginning.
    EXPECT_EQ(desktop.helpTopics, std::vector<std::string>{""});
}
