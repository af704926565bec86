#include "framework/desktop/DesktopServices.h"
#include "framework/desktop/internal/StandardDesktopServices.h"
#include "tests/support/ModalDeadline.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/TempTree.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <gtest/gtest.h>
#include <string>

namespace {
class FakeServices : public DesktopServices {
public:
    std::optional<std::string> ChooseFolder(const FolderChooserEvents&) override { return {}; }
    bool StartEditor(const std::string& path) override {
        started = path;
        return true;
    }
    bool OpenLink(const std::string&) override { return true; }
    void ShowHelp(const std::string&) override {}
    void CloseHelp() override {}
    std::string started;
};
} // namespace

TEST(DesktopServices, OverrideReplacesAndRestoresThePrevious) {
    DesktopServices& standard = DesktopServices::Current();
    FakeServices outer, inner;
    {
        const DesktopServices::Override first(outer);
        EXPECT_EQ(&DesktopServices::Current(), &outer);
        {
            const DesktopServices::Override second(inner);
            DesktopServices::Current().StartEditor("/a b");
            EXPECT_EQ(inner.started, "/a b");
        }
        EXPECT_EQ(&DesktopServices::Current(), &outer);
    }
    EXPECT_EQ(&DesktopServices::Current(), &standard);
    EXPECT_NE(dynamic_cast<StandardDesktopServices*>(&standard), nullptr);
}

TEST(DesktopServices, StandardChooserRunsModallyUntilTheUserEndsIt) {
    TempTree tree;
    tree.Folder("start/next");
    const ScopedEnvironment home("HOME", tree.Root());

    struct Case {
        const char* name;
        Qt::Key key;
        std::optional<std::string> result;
    };
    const Case cases[] = {
        {"Enter chooses", Qt::Key_Return, tree.Path("start/next")},
        {"Escape cancels", Qt::Key_Escape, std::nullopt},
    };
    for (const Case& c : cases) {
        std::string last;
        FolderChooserEvents events;
        events.initialized = [&](FolderChooserWindow& window) {
            window.SetSelection(tree.Path("start"));
            // The keys arrive once the modal loop runs.
            auto* view = dynamic_cast<QWidget&>(window).findChild<QTreeView*>();
            QTimer::singleShot(0, view, [view, key = c.key] {
                QTest::keyClick(view, Qt::Key_Right);
                QTest::keyClick(view, Qt::Key_Down);
                QTest::keyClick(view, key);
            });
        };
        events.selectionChanged = [&](FolderChooserWindow&, const std::string& path) {
            last = path;
        };
        StandardDesktopServices services;
        const ModalDeadline deadline;
        EXPECT_EQ(services.ChooseFolder(events), c.result) << c.name;
        EXPECT_EQ(last, tree.Path("start/next")) << c.name;
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << c.name;
    }
}
