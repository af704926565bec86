#include "framework/desktop/internal/FolderChooserDialog.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/TempTree.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTreeView>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {
// A chooser that records what it reports ("initialized", a path or "help")
// and selects `start` when it opens, as its caller would.
class Recorded {
public:
    explicit Recorded(const std::string& start)
        : dialog(FolderChooserEvents{
              [this, start](FolderChooserWindow& window) {
                  reports.push_back("initialized");
                  window.SetSelection(start);
              },
              [this](FolderChooserWindow&, const std::string& path) { reports.push_back(path); },
              [this] { reports.push_back("help"); }}) {
        dialog.show();
    }

    QTreeView* Tree() { return dialog.findChild<QTreeView*>(); }
    QPushButton* Button(QDialogButtonBox::StandardButton which) {
        return dialog.findChild<QDialogButtonBox*>()->button(which);
    }
    void Keys(const std::vector<Qt::Key>& keys) {
        for (Qt::Key key : keys)
            QTest::keyClick(Tree(), key);
    }

    std::vector<std::string> reports;
    FolderChooserDialog dialog;
};

// The chooser opens at the home folder: a folder of the test's own.
class FolderChooserDialogTest : public ::testing::Test {
protected:
    TempTree m_home;
    ScopedEnvironment m_homeVariable{"HOME", m_home.Root()};
};
} // namespace

TEST_F(FolderChooserDialogTest, ReportsInitializedFirstThenEveryMoveAndF1) {
    TempTree tree;
    tree.Folder("a/x");
    tree.Folder("b");
    const auto a = tree.Path("a"), ax = tree.Path("a/x"), b = tree.Path("b");

    struct Case {
        const char* name;
        std::string start;
        std::vector<Qt::Key> keys;
        std::vector<std::string> reports;
    };
    const Case cases[] = {
        {"down passes a closed folder", a, {Qt::Key_Down, Qt::Key_Up}, {a, b, a}},
        {"right opens, down enters", a, {Qt::Key_Right, Qt::Key_Down}, {a, ax}},
        {"left goes up to the parent", ax, {Qt::Key_Left}, {ax, a}},
        {"end of an open tree", ax, {Qt::Key_Up, Qt::Key_Down, Qt::Key_Down}, {ax, a, ax, b}},
        {"F1 asks for help and the chooser goes on", a, {Qt::Key_F1, Qt::Key_Down}, {a, "help", b}},
    };
    for (const Case& c : cases) {
        Recorded chooser(c.start);
        chooser.Keys(c.keys);
        std::vector<std::string> expected = {"initialized"};
        expected.insert(expected.end(), c.reports.begin(), c.reports.end());
        EXPECT_EQ(chooser.reports, expected) << c.name;
        EXPECT_EQ(chooser.dialog.SelectedPath(), c.reports.back()) << c.name;
    }
}

TEST_F(FolderChooserDialogTest, EndsAsTheUserChooses) {
    TempTree tree;
    tree.Folder("a/x");
    tree.Folder("b");

    struct Case {
        const char* name;
        void (*end)(Recorded&);
        int result;
    };
    const Case cases[] = {
        {"OK button",
         [](Recorded& r) { QTest::mouseClick(r.Button(QDialogButtonBox::Ok), Qt::LeftButton); },
         QDialog::Accepted},
        {"Enter", [](Recorded& r) { r.Keys({Qt::Key_Return}); }, QDialog::Accepted},
        {"Cancel button",
         [](Recorded& r) { QTest::mouseClick(r.Button(QDialogButtonBox::Cancel), Qt::LeftButton); },
         QDialog::Rejected},
        {"Escape", [](Recorded& r) { r.Keys({Qt::Key_Escape}); }, QDialog::Rejected},
        {"close box", [](Recorded& r) { r.dialog.close(); }, QDialog::Rejected},
    };
    for (const Case& c : cases) {
        Recorded chooser(tree.Path("a/x"));
        chooser.Keys({Qt::Key_Down});
        c.end(chooser);
        EXPECT_FALSE(chooser.dialog.isVisible()) << c.name;
        EXPECT_EQ(chooser.dialog.result(), c.result) << c.name;
        EXPECT_EQ(chooser.reports.back(), tree.Path("b")) << c.name;
        EXPECT_EQ(chooser.dialog.SelectedPath(), tree.Path("b")) << c.name;
    }
}

TEST_F(FolderChooserDialogTest, ClickedFolderWithForeignBytesComesBackExactly) {
    TempTree tree;
    const std::string name = "caf\xe9 \xff";
    tree.Folder("top/" + name);

    Recorded chooser(tree.Path("top"));
    chooser.Keys({Qt::Key_Right});
    QTreeView* view = chooser.Tree();
    const QModelIndex folder = view->currentIndex().model()->index(0, 0, view->currentIndex());
    ASSERT_EQ(folder.data().toString(), QString::fromLatin1(name));
    view->scrollTo(folder);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(folder).center());
    QTest::mouseClick(chooser.Button(QDialogButtonBox::Ok), Qt::LeftButton);

    EXPECT_EQ(chooser.dialog.result(), QDialog::Accepted);
    EXPECT_EQ(chooser.reports.back(), tree.Path("top/" + name));
    EXPECT_EQ(chooser.dialog.SelectedPath(), tree.Path("top/" + name));
}

// It used to open with home highlighted but not selected, and OK disabled.
TEST_F(FolderChooserDialogTest, WithNoFolderFromTheCallerItOpensWithHomeSelected) {
    TempTree tree;
    tree.Folder("home/me/docs");
    tree.Folder("home/you");
    for (int i = 0; i < 60; ++i) // more than fit: home must be scrolled to
        tree.Folder("home/m" + std::to_string(i));
    const ScopedEnvironment home("HOME", tree.Path("home/me"));

    Recorded chooser("");
    QTreeView* view = chooser.Tree();
    const QModelIndex current = view->currentIndex();
    EXPECT_EQ(chooser.reports, (std::vector<std::string>{"initialized", tree.Path("home/me")}));
    EXPECT_EQ(chooser.dialog.SelectedPath(), tree.Path("home/me"));
    EXPECT_TRUE(chooser.Button(QDialogButtonBox::Ok)->isEnabled());
    EXPECT_EQ(current.data().toString(), "me");
    // Its icon and name; the cell may run on, as wide as the widest name.
    const QRect shown(view->visualRect(current).topLeft(), view->sizeHintForIndex(current));
    EXPECT_TRUE(view->viewport()->rect().contains(shown));

    chooser.Keys({Qt::Key_Down});
    EXPECT_EQ(chooser.reports.back(), tree.Path("home/you"));
    chooser.Keys({Qt::Key_Return});
    EXPECT_EQ(chooser.dialog.result(), QDialog::Accepted);
}

TEST_F(FolderChooserDialogTest, SelectionOfAMissingFolderChangesNothing) {
    TempTree tree;
    tree.Folder("a");

    Recorded chooser(tree.Path("a"));
    chooser.dialog.SetSelection(tree.Path("a/missing"));
    EXPECT_EQ(chooser.reports, (std::vector<std::string>{"initialized", tree.Path("a")}));
    EXPECT_EQ(chooser.dialog.SelectedPath(), tree.Path("a"));
}

TEST_F(FolderChooserDialogTest, FolderWithoutSubfoldersClosesAgainWhenExpanded) {
    TempTree tree;
    tree.Folder("empty");

    Recorded chooser(tree.Path("empty"));
    chooser.Keys({Qt::Key_Right});
    EXPECT_FALSE(chooser.Tree()->isExpanded(chooser.Tree()->currentIndex()));
}

TEST_F(FolderChooserDialogTest, DeepFolderIsScrolledIntoViewSideways) {
    TempTree tree;
    std::string deep = "deep";
    for (int level = 0; level < 30; ++level)
        deep += "/level" + std::to_string(level);
    tree.Folder(deep);

    Recorded chooser(tree.Path(deep));
    QTreeView* view = chooser.Tree();
    const QRect item = view->visualRect(view->currentIndex());
    EXPECT_TRUE(view->viewport()->rect().contains(item.topLeft())) << item.left();
    chooser.Keys({Qt::Key_Home}); // back to "/" at the far left
    EXPECT_EQ(view->visualRect(view->currentIndex()).left(), view->indentation());
}

// Regression: a name wider than the tree widened every row's cell, so each
// move took its short name for one out of view and scrolled sideways, and the
// icons and expand arrows of the rows above went out of view.
TEST_F(FolderChooserDialogTest, AShortNameBesideALongOneKeepsTheIconsInView) {
    TempTree tree;
    tree.Folder("a");
    tree.Folder("b");
    tree.Folder(std::string(200, 'x'));

    Recorded chooser(tree.Path("a"));
    QScrollBar* sideways = chooser.Tree()->horizontalScrollBar();
    EXPECT_GT(sideways->maximum(), 0) << "the long name is wider than the tree";
    EXPECT_EQ(sideways->value(), 0) << "opened";
    chooser.Keys({Qt::Key_Down});
    EXPECT_EQ(chooser.reports.back(), tree.Path("b"));
    EXPECT_EQ(sideways->value(), 0) << "after a key";
}

TEST_F(FolderChooserDialogTest, StatusLineShowsBytesOnOneLineWithoutGrowing) {
    Recorded chooser("");
    auto* status = chooser.dialog.findChild<QLabel*>();
    const QSize size = chooser.dialog.size();

    chooser.dialog.SetStatusText("/caf\xe9");
    EXPECT_EQ(status->text(), QString::fromLatin1("/caf\xe9"));
    chooser.dialog.SetStatusText(std::string(400, 'x'));
    QApplication::processEvents();
    EXPECT_EQ(chooser.dialog.size(), size);
    EXPECT_EQ(status->height(), status->fontMetrics().height());
}
