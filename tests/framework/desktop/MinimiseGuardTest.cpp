#include "framework/desktop/internal/FolderChooserDialog.h"
#include "framework/desktop/internal/HelpWindow.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/TempTree.h"

#include <QTest>
#include <gtest/gtest.h>

// Regression: openbox, which puts a minimise button on every window,
// minimised the modal folder picker and left the main window blocked with no
// way back to it. The help window has a minimise button and stays minimised.
TEST(MinimiseGuard, TheModalPickerComesBackWhenMinimisedAndTheHelpWindowDoesNot) {
    TempTree home;
    const ScopedEnvironment homeVariable("HOME", home.Root());
    FolderChooserDialog picker{FolderChooserEvents{}};
    HelpWindow help(QUrl("qrc:/help/manual.html"));
    const struct {
        const char* name;
        QWidget* window;
        bool comesBack;
    } cases[] = {{"folder picker", &picker, true}, {"help window", &help, false}};
    for (const auto& c : cases) {
        c.window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(c.window)) << c.name;
        c.window->setWindowState(Qt::WindowMinimized);
        // Coming back takes a turn of the event loop; a window that stays has
        // half a second to show it would not.
        const bool back =
            QTest::qWaitFor([&c] { return !c.window->isMinimized(); }, c.comesBack ? 5000 : 500);
        EXPECT_EQ(back, c.comesBack) << c.name;
    }
}
