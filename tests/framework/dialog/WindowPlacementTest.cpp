#include "framework/desktop/internal/WindowPlacement.h"
#include "tests/framework/support/DialogFixture.h"

#include <QScreen>

TEST(WindowPlacement, TheFrameIsCentredAndKeptInTheAreaTitleBarFirst) {
    const QRect screen(0, 0, 1280, 900);
    const struct {
        const char* name;
        QSize frame;
        QRect owner, area;
        QPoint position;
    } cases[] = {
        {"centred on the screen", {545, 461}, screen, screen, {367, 219}},
        {"an area below a panel", {545, 461}, {0, 30, 1280, 870}, {0, 30, 1280, 870}, {367, 234}},
        // 1280 x 900 at 200 %: the frame is taller than the area by a pixel.
        {"taller than the area: top aligned",
         {545, 451},
         {0, 0, 640, 450},
         {0, 0, 640, 450},
         {47, 0}},
        {"wider than the area: left aligned",
         {700, 300},
         {0, 0, 640, 450},
         {0, 0, 640, 450},
         {0, 75}},
        {"centred on its owner", {200, 100}, {100, 100, 400, 300}, screen, {200, 200}},
        {"an owner near the edge: kept inside",
         {200, 100},
         {1200, 850, 80, 50},
         screen,
         {1080, 800}},
        {"a second screen", {545, 461}, {1280, 0, 1920, 1080}, {1280, 0, 1920, 1080}, {1967, 309}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WindowPlacement::FramePosition(c.frame, c.owner, c.area), c.position) << c.name;
}

TEST(WindowPlacement, ADialogWithoutOwnerOpensCentredOnTheAvailableArea) {
    RegisterTestResources();
    TestDialog dialog;
    ASSERT_TRUE(dialog.Create());
    ShowActive(dialog);
    const QWidget* window = dialog.m_hWnd->window();
    const QRect area = window->screen()->availableGeometry();
    const QRect frame = window->frameGeometry();
    EXPECT_LE(std::abs(frame.center().x() - area.center().x()), 1) << frame.x();
    EXPECT_LE(std::abs(frame.center().y() - area.center().y()), 1) << frame.y();
}
