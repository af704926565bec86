#include "FolderChooserDialog.h"
#include "HelpWindow.h"
#include "ScopedEnvironment.h"
#include "TempTree.h"

#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

// Regression: a window manager that puts a minimise button on every window
// (openbox) minimised the modal folder picker, which left the main window
// blocked with no way back to the picker. The help window, which has a
// minimise button of its own, stays minimised.
TEST(MinimiseGuard, TheModalPickerComesBackWhenMinimisedAndTheHelpWindowDoesNot) {
    TempTree home;
    const ScopedEnvironment homeVariable("HOME", home.Root());
    const struct {
        const char* name;
        std::function<std::unique_ptr<QWidget>()> make;
        bool comesBack;
    } cases[] = {
        {"folder picker",
         [] { return std::make_unique<FolderChooserDialog>(FolderChooserEvents{}); }, true},
        {"help window", [] { return std::make_unique<HelpWindow>(QUrl("qrc:/help/manual.html")); },
         false},
    };
    for (const auto& c : cases) {
        const std::unique_ptr<QWidget> window = c.make();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get())) << c.name;
        window->setWindowState(Qt::WindowMinimized);
        QWidget* shown = window.get();
        // Coming back takes a turn of the event loop; a window that stays has
        // half a second to show it would not.
        const bool back =
            QTest::qWaitFor([shown] { return !shown->isMinimized(); }, c.comesBack ? 5000 : 500);
        EXPECT_EQ(back, c.comesBack) << c.name;
    }
}
