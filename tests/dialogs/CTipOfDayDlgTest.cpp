#include "dialogs/CTipOfDayDlg.h"
#include "dialogs/TipsFile.h"
#include "framework/dialog/ModalHook.h"
#include "framework/stdcontrols/CButton.h"
#include "res/RegisterResources.h"
#include "res/Resource.h"
#include "tests/support/KeyedApp.h"
#include "tests/support/ScopedCurrentFolder.h"
#include "tests/support/TempConfigHome.h"
#include "tests/support/UiDriver.h"
#include "tests/support/WaitUntil.h"

#include <QTest>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>

using Texts = std::vector<std::string>;

namespace {
constexpr const char* kAbsent = "(absent)";
const std::string kMissing = "Tips file does not exist in the prescribed directory";
const std::string kTrouble = "Trouble reading the tips file";

// A profile of its own, a start folder holding the tips file (unless there
// is none) and the application object made there.
struct TipWorld {
    explicit TipWorld(const std::optional<std::string>& tips) {
        RegisterResources();
        if (tips)
            folder.File("tips.txt", *tips);
    }
    std::string Stored(const char* entry) { return app.GetProfileString("Tip", entry, kAbsent); }
    std::string Stamp() const {
        FILE* file = OpenTipsFile({folder.Root()});
        const std::string stamp = TipsFileStamp(file);
        std::fclose(file);
        return stamp;
    }

    TempConfigHome home;
    TempTree folder;
    ScopedCurrentFolder current{folder.Root()};
    KeyedApp app{"vodizuzi"};
};

// What one opening of the dialog showed.
struct Opening {
    Texts shown; // the tip on opening, then after each Next Tip
    int checkedAtOpening = -1;
    int checkedAtEnd = -1;
    bool nextEnabled = false;
};

enum class Ending { kClose, kEscape };

// Opens the dialog as a user would: clicks the check box when `toggle`,
// presses Next Tip `nexts` times and leaves with Close or Escape.
Opening Open(int nexts, Ending ending = Ending::kClose, bool toggle = false) {
    Opening seen;
    CTipOfDayDlg dialog;
    ModalHook hook([&](CDialog& d) {
        ShowActive(d);
        const auto tip = [&d] {
            std::string text;
            d.GetDlgItem(IDC_TIPSTRING)->GetWindowText(text);
            return text;
        };
        const auto* box = static_cast<CButton*>(d.GetDlgItem(IDC_STARTUP));
        seen.checkedAtOpening = box->GetCheck();
        seen.shown.push_back(tip());
        if (toggle)
            QTest::mouseClick(Widget(d, IDC_STARTUP), Qt::LeftButton);
        for (int i = 0; i < nexts; ++i) {
            QTest::mouseClick(Widget(d, IDC_NEXTTIP), Qt::LeftButton);
            seen.shown.push_back(tip());
        }
        seen.checkedAtEnd = box->GetCheck();
        seen.nextEnabled = d.GetDlgItem(IDC_NEXTTIP)->IsWindowEnabled();
        if (ending == Ending::kClose)
            QTest::mouseClick(Widget(d, IDOK), Qt::LeftButton);
        else
            QTest::keyClick(d.m_hWnd, Qt::Key_Escape);
        return d.GetModalResult();
    });
    dialog.DoModal();
    return seen;
}
} // namespace

// Every case starts from a fresh profile unless it stores values first, so
// the first opening shows the first tip and stores the file's stamp.
TEST(TipOfTheDay, TipsFollowOneAnotherAcrossOpeningsAndNextTip) {
    const std::string x999(999, 'x');
    const std::string x501(501, 'x');
    const struct {
        const char* name;
        std::string tips;
        std::vector<std::pair<const char*, std::string>> stored; // "STAMP": the file's
        std::vector<int> nexts; // one opening each, with so many Next Tip
        Texts shown;
        std::string filePos; // stored in the end
    } cases[] = {
        {"the first tip follows the last one", "a\nb\n", {}, {0, 0, 0}, {"a\n", "b\n", "a\n"}, "2"},
        {"Next Tip goes round the same way", "a\nb\n", {}, {2}, {"a\n", "b\n", "a\n"}, "2"},
        {"comment, empty, space and tab lines are never shown",
         ";c\n\n b\n\tc\nd\n;e\n",
         {},
         {1, 0},
         {"d\n", "d\n", "d\n"},
         "12"},
        {"CR LF is one line end", "a\r\nb\r\n", {}, {1}, {"a\n", "b\n"}, "6"},
        {"the last line needs no line feed", "a\nb", {}, {1, 0}, {"a\n", "b", "a\n"}, "2"},
        {"a byte 26 ends the file",
         "a\n\x1A"
         "b\n",
         {},
         {1},
         {"a\n", "a\n"},
         "2"},
        {"a line of exactly 999 characters, then its bare line feed skipped",
         x999 + "\ny\n",
         {},
         {1},
         {x999, "y\n"},
         "1002"},
        {"a line of 1,500 characters in two pieces",
         x999 + x501 + "\n",
         {},
         {2},
         {x999, x501 + "\n", x999},
         "999"},
        {"a remainder beginning with a semicolon is skipped",
         x999 + ";rest\nz\n",
         {},
         {1},
         {x999, "z\n"},
         "1007"},
        {"a stored position past the end wraps to the first tip",
         "a\nb\n",
         {{"FilePos", "1000"}, {"TimeStamp", "STAMP"}},
         {0},
         {"a\n"},
         "2"},
        {"a stored position inside a line shows the rest of it",
         "abcdef\nz\n",
         {{"FilePos", "3"}, {"TimeStamp", "STAMP"}},
         {0},
         {"def\n"},
         "7"},
        {"a file with another stamp is read from its start",
         "a\nb\nc\n",
         {{"FilePos", "2"}, {"TimeStamp", "Mon Jan  1 00:00:00 2001"}},
         {0},
         {"a\n"},
         "2"},
    };
    for (const auto& c : cases) {
        TipWorld world(c.tips);
        for (const auto& [entry, value] : c.stored)
            world.app.WriteProfileString("Tip", entry,
                                         (value == "STAMP" ? world.Stamp() : value).c_str());
        Texts shown;
        for (int nexts : c.nexts)
            for (const std::string& text : Open(nexts).shown)
                shown.push_back(text);
        EXPECT_EQ(shown, c.shown) << c.name;
        EXPECT_EQ(world.Stored("FilePos"), c.filePos) << c.name;
        EXPECT_EQ(world.Stored("TimeStamp"), world.Stamp()) << c.name;
    }
}

// Reading a file without tips ends after one pass (TipsFile.*), and so does
// the dialog: it says why there is no tip and Next Tip stays off. A seek to
// a stored position the C runtime refuses is reported, and Next Tip then
// starts from the beginning.
TEST(TipOfTheDay, WithoutATipTheDialogSaysWhyAndNextTipHelpsOnlyWhereItCan) {
    const struct {
        const char* name;
        std::optional<std::string> tips;
        const char* filePosBefore;
        Texts shown; // on opening, then after one Next Tip
        bool nextEnabled;
        std::vector<std::string> boxes;
        std::string filePos, timeStamp; // stored afterwards
    } cases[] = {
        {"no tips file", std::nullopt, nullptr, {kMissing, kMissing}, false, {}, kAbsent, kAbsent},
        {"an empty file", "", nullptr, {kTrouble, kTrouble}, false, {}, "0", "STAMP"},
        {"comments only", ";a\n;b\n", nullptr, {kTrouble, kTrouble}, false, {}, "6", "STAMP"},
        {"a stored position beyond int's range",
         "a\nb\n",
         "4294967295",
         {"", "a\n"},
         true,
         {kTrouble},
         "2",
         "STAMP"},
    };
    for (const auto& c : cases) {
        TipWorld world(c.tips);
        if (c.filePosBefore) {
            world.app.WriteProfileString("Tip", "FilePos", c.filePosBefore);
            world.app.WriteProfileString("Tip", "TimeStamp", world.Stamp().c_str());
        }
        BoxRecorder recorder;
        const Opening seen = Open(1);
        EXPECT_EQ(seen.shown, c.shown) << c.name;
        EXPECT_EQ(seen.nextEnabled, c.nextEnabled) << c.name;
        std::vector<std::string> boxes;
        for (const auto& [text, type] : recorder.boxes)
            boxes.push_back(text);
        EXPECT_EQ(boxes, c.boxes) << c.name;
        EXPECT_EQ(world.Stored("FilePos"), c.filePos) << c.name;
        EXPECT_EQ(world.Stored("TimeStamp"), c.timeStamp == "STAMP" ? world.Stamp() : c.timeStamp)
            << c.name;
        EXPECT_EQ(world.Stored("StartUp"), "0") << c.name << ": Close still saves the box";
    }
}

TEST(TipOfTheDay, CloseSavesTheBoxEscapeDoesNotAndNextTipPutsItBack) {
    const struct {
        const char* name;
        const char* startUpBefore;
        bool toggle;
        int nexts;
        Ending ending;
        int checkedAtOpening, checkedAtEnd;
        std::string startUp; // stored afterwards
    } cases[] = {
        {"a fresh profile: checked; Close", nullptr, false, 0, Ending::kClose, 1, 1, "0"},
        {"unchecked, Escape", nullptr, true, 0, Ending::kEscape, 1, 0, kAbsent},
        {"unchecked, Close", nullptr, true, 0, Ending::kClose, 1, 0, "1"},
        {"tips off, checked, Close", "1", true, 0, Ending::kClose, 0, 1, "0"},
        {"tips off, Escape", "1", false, 0, Ending::kEscape, 0, 0, "1"},
        {"any value but 0 is off", "7", false, 0, Ending::kClose, 0, 0, "1"},
        {"unchecked, then Next Tip", nullptr, true, 1, Ending::kClose, 1, 1, "0"},
    };
    for (const auto& c : cases) {
        TipWorld world("a\nb\n");
        if (c.startUpBefore)
            world.app.WriteProfileString("Tip", "StartUp", c.startUpBefore);
        const Opening seen = Open(c.nexts, c.ending, c.toggle);
        EXPECT_EQ(seen.checkedAtOpening, c.checkedAtOpening) << c.name;
        EXPECT_EQ(seen.checkedAtEnd, c.checkedAtEnd) << c.name;
        EXPECT_EQ(world.Stored("StartUp"), c.startUp) << c.name;
    }
}

// The stamp counts whole seconds: the new file is made in a later second
// than the first one, and beside it, as editors save, so that it is a new
// file on any file system.
TEST(TipOfTheDay, ARecreatedFileStartsOverAndOneEditedInPlaceGoesOnInsideALine) {
    TipWorld world("abcdef\nz\n");
    const std::time_t made = std::time(nullptr);
    EXPECT_EQ(Open(0).shown, Texts{"abcdef\n"});

    std::ofstream(world.folder.Path("tips.txt"), std::ios::trunc) << "0123456789\nnext\n";
    EXPECT_EQ(Open(0).shown, Texts{"789\n"});

    ASSERT_TRUE(WaitUntil([made] { return std::time(nullptr) > made; }));
    world.folder.File("tips.new", "first\nsecond\n");
    ASSERT_EQ(
        std::rename(world.folder.Path("tips.new").c_str(), world.folder.Path("tips.txt").c_str()),
        0);
    EXPECT_EQ(Open(0).shown, Texts{"first\n"});
}

TEST(TipOfTheDay, TheTipAreaIsWhiteWithTheBulbAndDidYouKnowBesideIt) {
    TipWorld world("a\n");
    CTipOfDayDlg dialog;
    ASSERT_TRUE(dialog.Create());
    ShowActive(dialog);
    const QImage image = dialog.m_hWnd->grab().toImage();
    const QWidget* areaItem = Widget(dialog, IDC_BULB);
    const QRect area(areaItem->mapTo(dialog.m_hWnd, QPoint(0, 0)), areaItem->size());
    QWidget* tipItem = Widget(dialog, IDC_TIPSTRING);
    const QRect tip(tipItem->mapTo(dialog.m_hWnd, QPoint(0, 0)), tipItem->size());
    const auto count = [&image](const QRect& rect, auto test) {
        int n = 0;
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x)
                n += test(image.pixelColor(x, y));
        return n;
    };
    const auto yellow = [](QColor c) { return c.red() > 220 && c.green() > 220 && c.blue() < 60; };
    const auto ink = [](QColor c) { return c.lightness() < 100; };
    const auto white = [](QColor c) { return c == Qt::white; };

    const QRect bulb(area.topLeft(), QSize(40, 53));
    EXPECT_GT(count(bulb, yellow), 200) << "the bulb in the top left corner";
    const QRect beside(bulb.right() + 1, area.top(), area.right() - bulb.right(), 53);
    EXPECT_GT(count(beside, ink), 20) << "Did you know...";
    const QRect below(area.left(), bulb.bottom() + 1, area.width(), tip.top() - bulb.bottom() - 1);
    EXPECT_EQ(count(below, white), below.width() * below.height());
    // The static paints its own background, white, whatever lies below it.
    const QImage alone = tipItem->grab().toImage();
    EXPECT_EQ(alone.pixelColor(alone.width() - 1, alone.height() - 1), Qt::white);
    EXPECT_GT(count(tip, ink), 0) << "the tip is shown";
}

TEST(TipOfTheDay, TheShippedTipsAreTwentyOrMoreAndEachFitsTheTipArea) {
    std::ifstream in(VODIZUZI_TIPS_FILE, std::ios::binary);
    TipWorld world(std::string(std::istreambuf_iterator<char>(in), {}));
    CTipOfDayDlg dialog;
    ASSERT_TRUE(dialog.Create());
    const QWidget* tipItem = Widget(dialog, IDC_TIPSTRING);
    const QFontMetrics metrics(tipItem->font());
    FILE* file = OpenTipsFile({world.folder.Root()});
    ASSERT_NE(file, nullptr);
    Texts tips;
    std::string tip;
    while (ReadNextTip(file, tip) == TipRead::kTip && (tips.empty() || tip != tips.front()))
        tips.push_back(tip);
    std::fclose(file);
    EXPECT_GE(tips.size(), 20u);
    for (const std::string& text : tips) {
        const QRect needed =
            metrics.boundingRect(QRect(0, 0, tipItem->width(), 10000), Qt::TextWordWrap,
                                 QString::fromUtf8(text.data(), text.size() - 1));
        EXPECT_LE(needed.height(), tipItem->height()) << text;
        EXPECT_EQ(text.back(), '\n') << text;
    }
}
