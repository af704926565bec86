#include "framework/desktop/internal/FolderChooserDialog.h"
#include "framework/desktop/internal/HelpWindow.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/TempTree.h"

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

// Regression: at 200 % on a 1024 x 768 screen the help window (960 x 1008)
// and the folder picker (its OK and Cancel below the edge) ran off the
// screen. Made with a large font, both want more than the screen holds here.
TEST(ScreenFit, HelpAndPickerLargerThanTheScreenKeepWithinIt) {
    TempTree home;
    const ScopedEnvironment homeVariable("HOME", home.Root());
    QWidget owner; // the framed, active window they are opened from
    owner.show();
    owner.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&owner));
    const QFont normal = QApplication::font();
    QFont large = normal;
    large.setPixelSize(32);
    QApplication::setFont(large);
    FolderChooserDialog picker{FolderChooserEvents{}};
    HelpWindow help(QUrl("qrc:/help/manual.html"));
    QApplication::setFont(normal);

    const QRect area = owner.screen()->availableGeometry();
    const struct {
        const char* name;
        QWidget* window;
    } cases[] = {{"folder picker", &picker}, {"help window", &help}};
    for (const auto& c : cases) {
        c.window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(c.window)) << c.name;
        const QRect frame = c.window->frameGeometry();
        EXPECT_TRUE(area.contains(frame))
            << c.name << ": " << frame.width() << " x " << frame.height() << " at " << frame.x()
            << ", " << frame.y();
    }
}
