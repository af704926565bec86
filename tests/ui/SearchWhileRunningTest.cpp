#include "tests/ui/SearchDialogFixture.h"

#include <QApplication>
#include <functional>

// The search runs on a worker thread while the dialog waits. A file that
// cannot be opened holds the search until its message box is closed, which
// gives these tests fixed moments in the middle of a search.
namespace {
using Texts = std::vector<std::string>;

class SearchWhileRunning : public SearchDialogFixture {
protected:
    // Folders a to e, each with a matching file; the ones named in `broken`
    // also hold a dangling link "x.txt" (after "hit.txt" in walk order).
    void MakeTree(const std::string& broken) {
        for (const char folder : std::string("abcde")) {
            tree.File(std::string(1, folder) + "/hit.txt", "hit\n");
            if (broken.find(folder) != std::string::npos)
                tree.Link(std::string(1, folder) + "/x.txt", "missing");
        }
    }
    // Runs `act` at each error box of the next Find, with the box's number.
    void AtEachBox(std::function<void(int)> act) {
        m_act = std::move(act);
        m_boxes = 0;
    }
    int Boxes() const { return m_boxes; }

private:
    std::function<void(int)> m_act;
    int m_boxes = 0;
    MessageBoxHook m_hook{[this](const std::string&, UINT) {
        if (m_act)
            m_act(++m_boxes);
        return IDOK;
    }};
};

// Records what the status line shows each time it is painted.
struct PaintSpy : QObject {
    std::function<void()> onPaint;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            onPaint();
        return false;
    }
};
} // namespace

TEST_F(SearchWhileRunning, TheStatusLineFollowsTheSearchAndEndsOnTheLastFolder) {
    MakeTree("bd");
    Texts atBox;
    AtEachBox([&](int) { atBox.push_back(Text(IDC_STATUS_TEXT)); });
    Texts painted;
    PaintSpy spy;
    spy.onPaint = [&] {
        if (painted.empty() || painted.back() != Text(IDC_STATUS_TEXT))
            painted.push_back(Text(IDC_STATUS_TEXT));
    };
    Browse(tree.Root());
    Type("hit");
    Control(IDC_STATUS_TEXT)->installEventFilter(&spy);
    Click(IDC_FIND);
    QApplication::processEvents();
    Control(IDC_STATUS_TEXT)->removeEventFilter(&spy);

    EXPECT_EQ(atBox, (Texts{tree.Path("b"), tree.Path("d")}));
    ASSERT_GE(painted.size(), 2u);
    EXPECT_EQ(painted[painted.size() - 2], tree.Path("e")) << "the last folder entered";
    EXPECT_EQ(painted.back(), "Waiting...");
    EXPECT_EQ(Text(IDC_COUNTER), "1 / 5");
}

TEST_F(SearchWhileRunning, InputDuringTheSearchDoesNothingNowOrLater) {
    MakeTree("b");
    Browse(tree.Root());
    Type("hit");
    AtEachBox([&](int) {
        Click(IDC_NEXT);
        Click(IDC_FIND);
        QTest::keyClicks(Control(IDC_SEARCH_TEXT), "zzz");
        QTest::keyClick(Control(IDC_SEARCH_TEXT), Qt::Key_N, Qt::AltModifier);
    });
    Click(IDC_FIND);
    QApplication::processEvents();
    EXPECT_EQ(Boxes(), 1) << "one search, not two";
    EXPECT_EQ(Text(IDC_COUNTER), "1 / 5") << "Next was not replayed";
    EXPECT_EQ(Text(IDC_SEARCH_TEXT), "hit");
    EXPECT_EQ(dialog.GetModalResult(), -1);
}

// A stopped search used to look exactly like a finished one ("Waiting...").
TEST_F(SearchWhileRunning, EscapeOrTheCloseBoxStopsItWithTheRecordsFoundSoFar) {
    const struct {
        const char* name;
        std::function<void(QWidget*)> stop;
    } cases[] = {
        {"Escape", [](QWidget* window) { QTest::keyClick(window, Qt::Key_Escape); }},
        {"close box", [](QWidget* window) { window->close(); }},
    };
    MakeTree("bd");
    Browse(tree.Root());
    Type("hit");
    for (const auto& c : cases) {
        AtEachBox([&](int box) {
            if (box == 2)
                c.stop(dialog.m_hWnd->window());
        });
        Click(IDC_FIND);
        QApplication::processEvents();
        // Stopped at the second box, in folder d, after its hit.txt.
        EXPECT_EQ(Text(IDC_COUNTER), "1 / 4") << c.name;
        Click(IDC_PREV);
        EXPECT_EQ(Text(IDC_MATCH_PATH), tree.Path("a/hit.txt")) << c.name;
        EXPECT_EQ(Text(IDC_STATUS_TEXT), "Search stopped: 4 files found") << c.name;
        EXPECT_EQ(dialog.GetModalResult(), -1) << c.name << ": the dialog stays open";
        EXPECT_TRUE(dialog.m_hWnd->window()->isVisible()) << c.name;
    }
    AtEachBox(nullptr);
    Click(IDC_FIND);
    EXPECT_EQ(Text(IDC_STATUS_TEXT), "Waiting...") << "until the next Find";
    EXPECT_EQ(Text(IDC_COUNTER), "1 / 5");
}

// Nothing looked busy while a search ran.
TEST_F(SearchWhileRunning, TheBusyCursorShowsWhileItRunsButNotOverItsBoxes) {
    MakeTree("b");
    auto cursor = [] {
        const QCursor* cursor = QApplication::overrideCursor();
        return cursor ? cursor->shape() : Qt::ArrowCursor;
    };
    std::vector<Qt::CursorShape> atBox, afterBox;
    AtEachBox([&](int) {
        atBox.push_back(cursor());
        // Runs once the box is closed, while the search still waits to end.
        QMetaObject::invokeMethod(
            qApp, [&] { afterBox.push_back(cursor()); }, Qt::QueuedConnection);
    });
    Browse(tree.Root());
    Type("hit");
    Click(IDC_FIND);
    EXPECT_EQ(afterBox, std::vector<Qt::CursorShape>{Qt::WaitCursor});
    EXPECT_EQ(atBox, std::vector<Qt::CursorShape>{Qt::ArrowCursor});
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "gone when the search ends";
}
