#include "tests/ui/SearchDialogFixture.h"

#include "framework/dialog/ModalHook.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/KeyedApp.h"
#include "tests/support/ProcessStatus.h"
#include "tests/support/ScopedCurrentFolder.h"
#include "tests/support/TempConfigHome.h"

#include <QApplication>
#include <QListWidget>
#include <filesystem>
#include <functional>
#include <sys/resource.h>

using Texts = std::vector<std::string>;

class SearchDialog : public SearchDialogFixture {};

TEST_F(SearchDialog, FindRefusesWithoutASearchStringThenWithoutAFolder) {
    tree.File("a.txt", "hit\n");
    const struct {
        const char* name;
        bool browse;
        const char* typed;
        const char* box;
    } cases[] = {
        {"nothing at all", false, "", "Please enter search string"},
        {"a folder but no search string", true, "", "Please enter search string"},
        {"a search string but no folder", false, "hit", "Please enter starting folder"},
    };
    for (const auto& c : cases) {
        CSearchDlg fresh;
        ASSERT_TRUE(fresh.Create());
        ShowActive(fresh);
        boxes.boxes.clear();
        if (c.browse) {
            desktop.moves = {tree.Root()};
            QTest::mouseClick(Widget(fresh, IDC_BROWSE), Qt::LeftButton);
        }
        QTest::mouseClick(Widget(fresh, IDC_SEARCH_TEXT), Qt::LeftButton);
        QTest::keyClicks(Widget(fresh, IDC_SEARCH_TEXT), c.typed);
        QTest::mouseClick(Widget(fresh, IDC_FIND), Qt::LeftButton);
        EXPECT_EQ(BoxTexts(), Texts{c.box}) << c.name;
        EXPECT_EQ(boxes.boxes.at(0).second, MB_OK) << c.name;
        std::string status;
        fresh.GetDlgItem(IDC_STATUS_TEXT)->GetWindowText(status);
        EXPECT_EQ(status, "Waiting...") << c.name;
    }
}

TEST_F(SearchDialog, NextAndPrevStepThroughTheRecordsWithoutWrapping) {
    tree.File("a.txt", "hit a\n");
    tree.File("b.txt", "hit b\n");
    tree.File("c.txt", "hit c\n");
    Find(tree.Root(), "hit");
    EXPECT_EQ(Text(IDC_COUNTER), "1 / 3");
    EXPECT_EQ(Text(IDC_STATUS_TEXT), "Waiting...");
    const struct {
        int button;
        const char* counter;
        const char* file;
    } steps[] = {
        {IDC_PREV, "1 / 3", "a"}, {IDC_NEXT, "2 / 3", "b"}, {IDC_NEXT, "3 / 3", "c"},
        {IDC_NEXT, "3 / 3", "c"}, {IDC_PREV, "2 / 3", "b"},
    };
    for (const auto& step : steps) {
        Click(step.button);
        const std::string file = step.file;
        EXPECT_EQ(Text(IDC_COUNTER), step.counter) << file;
        EXPECT_EQ(Text(IDC_MATCH_PATH), tree.Path(file + ".txt")) << file;
        EXPECT_EQ(Lines(), Texts{"hit " + file}) << file;
    }
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(SearchDialog, TheListShowsTheMatchingLinesInFileOrder) {
    tree.File("notes.txt", "3 hit\nmiss\n1 hit\r\n2 HIT\nhit & more\n");
    Find(tree.Root(), "hit");
    EXPECT_EQ(Lines(), (Texts{"3 hit", "1 hit", "2 HIT", "hit & more"}));
}

TEST_F(SearchDialog, WithoutResultsNextPrevAndOpenFileDoNothing) {
    tree.File("a.txt", "hit\n");
    auto pressAll = [this] {
        for (int button : {IDC_OPEN_FILE, IDC_NEXT, IDC_PREV})
            Click(button);
    };
    pressAll(); // before the first search
    EXPECT_EQ(Text(IDC_COUNTER), "");
    Find(tree.Root(), "hit");
    ASSERT_EQ(Text(IDC_COUNTER), "1 / 1");
    Type("zzz");
    Click(IDC_FIND);
    pressAll();
    // The path of the record shown before stays on screen.
    EXPECT_EQ(Text(IDC_MATCH_PATH), tree.Path("a.txt"));
    EXPECT_EQ(Text(IDC_COUNTER), "");
    EXPECT_TRUE(Lines().empty());
    EXPECT_TRUE(desktop.editorPaths.empty());
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(SearchDialog, OpenFileHandsTheShownRecordsExactPathToTheEditor) {
    const std::string first = "my letters/caf\xE9 \x80.txt";
    const std::string second = "my letters/z & z.txt";
    tree.File(first, "hit\n");
    tree.File(second, "hit\n");
    desktop.editorStarts = false; // and nothing is said about it
    Find(tree.Root(), "hit");
    Click(IDC_OPEN_FILE);
    Click(IDC_NEXT);
    Click(IDC_OPEN_FILE);
    EXPECT_EQ(desktop.editorPaths, (Texts{tree.Path(first), tree.Path(second)}));
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(SearchDialog, AFileThatCannotBeOpenedIsReportedAndTheSearchGoesOn) {
    tree.File("a.txt", "hit a\n");
    tree.Link("x.txt", "missing"); // dangling: cannot be opened, even by root
    tree.File("z.txt", "hit z\n");
    Find(tree.Root(), "hit");
    EXPECT_EQ(BoxTexts(), Texts{"Error opening file"});
    EXPECT_EQ(boxes.boxes.at(0).second, MB_OK);
    EXPECT_EQ(Text(IDC_COUNTER), "1 / 2");
    Click(IDC_NEXT);
    EXPECT_EQ(Text(IDC_MATCH_PATH), tree.Path("z.txt"));
    EXPECT_EQ(Text(IDC_STATUS_TEXT), "Waiting...");
}

TEST_F(SearchDialog, TheSearchFieldTakesAtMost100Characters) {
    Type(std::string(101, 'q'));
    EXPECT_EQ(Text(IDC_SEARCH_TEXT), std::string(100, 'q'));
}

TEST_F(SearchDialog, BrowseSetsTheStartingFolderAndACancelledBrowseChangesNothing) {
    tree.File("one/a.txt", "hit\n");
    tree.File("two/b.txt", "hit\n");
    Browse(tree.Path("one"));
    EXPECT_EQ(Text(IDC_FOLDER_TEXT), tree.Path("one"));
    desktop.moves = {tree.Path("two")};
    desktop.confirm = false;
    Click(IDC_BROWSE);
    EXPECT_EQ(desktop.chooserRuns, 2);
    EXPECT_EQ(Text(IDC_FOLDER_TEXT), tree.Path("one"));
    Type("hit");
    Click(IDC_FIND);
    EXPECT_EQ(Text(IDC_MATCH_PATH), tree.Path("one/a.txt"));
    EXPECT_EQ(Text(IDC_COUNTER), "1 / 1");
}

TEST_F(SearchDialog, TheFocusStartsOnExitSoEnterEndsTheDialog) {
    EXPECT_EQ(QApplication::focusWidget(), Control(IDOK));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(dialog.GetModalResult(), IDOK);
}

TEST_F(SearchDialog, EnterInTheSearchFieldEndsTheDialogInsteadOfSearching) {
    tree.File("a.txt", "hit\n");
    Browse(tree.Root());
    Type("hit");
    QTest::keyClick(Control(IDC_SEARCH_TEXT), Qt::Key_Return);
    EXPECT_EQ(dialog.GetModalResult(), IDOK);
    EXPECT_EQ(Text(IDC_COUNTER), "");
}

TEST_F(SearchDialog, AnAmpersandInAPathIsShownAndIsNoMnemonic) {
    tree.File("r&q/a.txt", "hit\n");
    Find(tree.Path("r&q"), "hit");
    ASSERT_EQ(Text(IDC_MATCH_PATH), tree.Path("r&q/a.txt"));
    Control(IDOK)->setFocus();
    // A static whose text marked "q" would pass the focus on to the list.
    QTest::keyClick(Control(IDOK), Qt::Key_Q, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), Control(IDOK));
    EXPECT_EQ(dialog.GetModalResult(), -1);
}

TEST_F(SearchDialog, MenuCommandsReachTheSameHandlersAsTheButtons) {
    tree.File("a.txt", "hit\n");
    tree.File("b.txt", "hit\n");
    Choose("&Edit", "&Find");
    EXPECT_EQ(BoxTexts(), Texts{"Please enter search string"});
    desktop.moves = {tree.Root()};
    Choose("&Edit", "&Browse path");
    EXPECT_EQ(Text(IDC_FOLDER_TEXT), tree.Root());
    Type("hit");
    Choose("&Edit", "&Find");
    EXPECT_EQ(Text(IDC_COUNTER), "1 / 2");
    Choose("&Results", "&Next");
    EXPECT_EQ(Text(IDC_COUNTER), "2 / 2");
    Choose("&Results", "&Open file");
    EXPECT_EQ(desktop.editorPaths, Texts{tree.Path("b.txt")});
    Choose("&Results", "&Prev");
    EXPECT_EQ(Text(IDC_COUNTER), "1 / 2");
    {
        TempConfigHome home;
        KeyedApp app;
        int optionsRuns = 0;
        ModalHook cancel([&](CDialog&) -> INT_PTR {
            ++optionsRuns;
            return IDCANCEL;
        });
        Choose("&Edit", "&Options...");
        EXPECT_EQ(optionsRuns, 1);
    }
    // Help, which no handler takes in these tests: the dialog goes on. About,
    // Web links and Tips have tests of their own.
    Choose("&Help", "&Contents");
    EXPECT_EQ(dialog.GetModalResult(), -1);
    Choose("", "E&xit!");
    EXPECT_EQ(dialog.GetModalResult(), IDOK);
}

TEST_F(SearchDialog, HelpTipsShowsTheTipOfTheDayEvenWithTheTipsTurnedOff) {
    TempConfigHome home;
    tree.File("tips.txt", ";tips\nfirst tip\n");
    ScopedCurrentFolder current(tree.Root());
    KeyedApp app("vodizuzi");
    app.WriteProfileString("Tip", "StartUp", "1");
    std::vector<std::string> shown;
    ModalHook hook([&](CDialog& tip) {
        std::string text;
        tip.GetDlgItem(IDC_TIPSTRING)->GetWindowText(text);
        shown.push_back(text);
        return static_cast<INT_PTR>(IDCANCEL);
    });
    Choose("&Help", "&Tips");
    EXPECT_EQ(shown, Texts{"first tip\n"});
    EXPECT_EQ(app.GetProfileString("Tip", "FilePos"), "16");
    EXPECT_EQ(dialog.GetModalResult(), -1);
}

// A folder deleted after it was chosen gave an empty result without a word.
TEST_F(SearchDialog, AStartingFolderThatCannotBeOpenedIsReportedBeforeTheSearch) {
    tree.File("a.txt", "hit\n");
    tree.File("gone/b.txt", "hit\n");
    Find(tree.Root(), "hit");
    ASSERT_EQ(Text(IDC_COUNTER), "1 / 2");
    Browse(tree.Path("gone"));
    ASSERT_EQ(std::filesystem::remove_all(tree.Path("gone")), 2u);
    Click(IDC_FIND);
    EXPECT_EQ(BoxTexts(), Texts{"Cannot open folder: " + tree.Path("gone")});
    EXPECT_EQ(boxes.boxes.at(0).second, MB_OK);
    // As an empty search leaves them: the old path stays, nothing else.
    EXPECT_EQ(Text(IDC_MATCH_PATH), tree.Path("a.txt"));
    EXPECT_EQ(Text(IDC_COUNTER), "");
    EXPECT_TRUE(Lines().empty());
    EXPECT_EQ(Text(IDC_STATUS_TEXT), "Waiting...");
    Click(IDC_OPEN_FILE);
    EXPECT_TRUE(desktop.editorPaths.empty());
}

TEST_F(SearchDialog, F3AndShiftF3StepLikeNextAndPrevWhereverTheFocusIs) {
    tree.File("a.txt", "hit a\n");
    tree.File("b.txt", "hit b\n");
    tree.File("c.txt", "hit c\n");
    Find(tree.Root(), "hit");
    const struct {
        int focus;
        Qt::KeyboardModifiers modifiers;
        const char* counter;
    } steps[] = {
        {IDC_SEARCH_TEXT, Qt::NoModifier, "2 / 3"},    {IDC_FIND, Qt::NoModifier, "3 / 3"},
        {IDC_LINE_LIST, Qt::NoModifier, "3 / 3"},      {IDOK, Qt::ShiftModifier, "2 / 3"},
        {IDC_SEARCH_TEXT, Qt::ShiftModifier, "1 / 3"}, {IDC_LINE_LIST, Qt::ShiftModifier, "1 / 3"},
    };
    for (const auto& step : steps) {
        Control(step.focus)->setFocus();
        QTest::keyClick(Control(step.focus), Qt::Key_F3, step.modifiers);
        EXPECT_EQ(Text(IDC_COUNTER), step.counter) << step.focus;
    }
    EXPECT_EQ(Text(IDC_MATCH_PATH), tree.Path("a.txt"));
    EXPECT_EQ(Text(IDC_SEARCH_TEXT), "hit") << "F3 types nothing";
    EXPECT_EQ(dialog.GetModalResult(), -1);
}

TEST_F(SearchDialog, ADoubleClickOnALineOpensTheShownFile) {
    tree.File("a.txt", "hit a\n");
    tree.File("b.txt", "hit b\nhit b again\n");
    auto* list = qobject_cast<QListWidget*>(Control(IDC_LINE_LIST));
    auto doubleClickLine = [list](int line) {
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                           list->visualItemRect(list->item(line)).center());
    };
    Find(tree.Root(), "hit");
    Click(IDC_NEXT);
    doubleClickLine(1);
    EXPECT_EQ(desktop.editorPaths, Texts{tree.Path("b.txt")});
    EXPECT_EQ(Text(IDC_COUNTER), "2 / 2");
}

// Regressions: a search that could not have the descriptors it needs (the
// limit on open files too low for a folder, its parent and a file), or whose
// memory ran out, ended the program. Each is reported with one message box
// and the window stays: as after an empty search when nothing could be
// searched, stopped with the records found kept when memory ran out. Each row
// lowers its limit in a child process.
TEST_F(SearchDialog, TooFewFileHandlesOrTooLittleMemoryAreReportedAndTheWindowStays) {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    GTEST_SKIP() << "the sanitizers' own checks need free descriptors, AddressSanitizer aborts "
                    "instead of throwing, and its shadow memory cannot live under RLIMIT_AS";
#endif
    tree.File("a/first.txt", "x\n");
    tree.File("b/huge.txt", std::string(40 << 20, '\n')); // 40 million lines in one record
    const struct {
        const char* name;
        int resource;
        std::function<rlim_t()> limit;
        const char* box;
        const char* status; // with the number of records the counter shows
    } cases[] = {
        {"too few file handles", RLIMIT_NOFILE,
         [] {
             rlim_t open = 0;
             for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd"))
                 open += entry.path().filename() != "." ? 1 : 0;
             return open + 1; // the listing's own descriptor is closed again
         },
         "Too few file handles to search: the limit on open files is too low", "Waiting..."},
        {"out of memory", RLIMIT_AS, [] { return (StatusKb("VmSize") + 400 * 1024) * 1024; },
         "Out of memory: the search was stopped", "Search stopped: # files found"},
    };
    Browse(tree.Root());
    Type("^");
    for (const auto& c : cases) {
        const std::string answer = ChildProcess::Run([&]() -> std::string {
            rlimit limit;
            ::getrlimit(c.resource, &limit);
            limit.rlim_cur = c.limit();
            if (::setrlimit(c.resource, &limit) != 0)
                return "cannot lower the limit";
            Click(IDC_FIND);
            const std::string counter = Text(IDC_COUNTER);
            std::string status = c.status;
            if (const size_t hash = status.find('#'); hash != std::string::npos)
                status.replace(hash, 1,
                               counter.empty() ? "0" : counter.substr(counter.find('/') + 2));
            std::string problems;
            if (BoxTexts() != Texts{c.box})
                problems += "boxes: " + std::to_string(boxes.boxes.size()) + "\n";
            if (Text(IDC_STATUS_TEXT) != status)
                problems += "status: " + Text(IDC_STATUS_TEXT) + "\n";
            if (dialog.GetModalResult() != -1)
                problems += "the window ended\n";
            return problems;
        });
        EXPECT_EQ(answer, "") << c.name;
    }
}
