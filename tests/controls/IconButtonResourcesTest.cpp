#include "framework/paint/Cursors.h"
#include "tests/controls/ButtonFixture.h"

#include <QTest>
#include <functional>

using namespace TestColors;
using IconButtonResources = ButtonFixture;

TEST_F(IconButtonResources, TheIconExtentComesFromTheHotSpotKeptInEightBits) {
    const struct {
        const char* name;
        std::function<void(CIconButton&)> load;
        int width, height;
    } cases[] = {
        {"16 x 16 resource", [](CIconButton& b) { b.LoadIcons(144); }, 16, 16},
        {"32 x 32 resource", [](CIconButton& b) { b.LoadIcons(134, 144); }, 32, 32},
        {"odd sizes", [](CIconButton& b) { b.AttachIcons(SolidIcon(kHoverIcon, 17, 33)); }, 16, 32},
        {"256 pixels wrap to 0",
         [](CIconButton& b) { b.AttachIcons(SolidIcon(kHoverIcon, 256, 20)); }, 0, 20},
        {"missing resource", [](CIconButton& b) { b.LoadIcons(9999); }, 0, 0},
    };
    for (const auto& c : cases) {
        const int gdiObjects = CGdiObject::LiveCount();
        c.load(dialog.m_find);
        EXPECT_EQ(dialog.m_find.GetIconWidth(), c.width) << c.name;
        EXPECT_EQ(dialog.m_find.GetIconHeight(), c.height) << c.name;
        EXPECT_EQ(CGdiObject::LiveCount(), gdiObjects) << c.name << ": info bitmaps kept";
    }
}

TEST_F(IconButtonResources, EachIconHandleIsFreedExactlyOnce) {
    // Attaches one handle as both icons, a hover icon alone, or two icons;
    // returns how many distinct handles that was.
    const struct {
        const char* name;
        int (*attach)(CIconButton&);
    } cases[] = {
        {"one handle as both",
         [](CIconButton& b) {
             HICON icon = SolidIcon(kHoverIcon);
             b.AttachIcons(icon, icon);
             return 1;
         }},
        {"hover icon only",
         [](CIconButton& b) {
             b.AttachIcons(SolidIcon(kHoverIcon));
             return 1;
         }},
        {"two icons",
         [](CIconButton& b) {
             b.AttachIcons(SolidIcon(kHoverIcon), SolidIcon(kNormalIcon));
             return 2;
         }},
    };
    for (const auto& first : cases)
        for (const auto& second : cases) {
            const int before = LiveIconCount();
            {
                CIconButton button;
                EXPECT_EQ(LiveIconCount(), before + first.attach(button)) << first.name;
                EXPECT_EQ(LiveIconCount(), before + second.attach(button))
                    << first.name << ", then " << second.name;
            }
            EXPECT_EQ(LiveIconCount(), before) << first.name << ", " << second.name;
        }
}

TEST_F(IconButtonResources, AttachingIconsRepaintsAtOnce) {
    const int paints = dialog.m_find.paints;
    dialog.m_find.AttachIcons(SolidIcon(kHoverIcon));
    EXPECT_GT(dialog.m_find.paints, paints);
}

TEST_F(IconButtonResources, TheButtonShowsAndOwnsItsCursor) {
    const int before = LiveCursorCount();
    {
        CIconButton button;
        button.SetButtonCursor(CreateCursorFromImage(QImage(16, 16, QImage::Format_ARGB32), 0, 0));
        button.SetButtonCursor(CreateCursorFromImage(QImage(16, 16, QImage::Format_ARGB32), 1, 1));
        EXPECT_EQ(LiveCursorCount(), before + 1);
    }
    EXPECT_EQ(LiveCursorCount(), before);

    dialog.m_find.SetButtonCursor(
        CreateCursorFromImage(QImage(16, 16, QImage::Format_ARGB32), 3, 4));
    QTest::mouseMove(Widget(dialog.m_find));
    EXPECT_EQ(Widget(dialog.m_find)->cursor().hotSpot(), QPoint(3, 4));
}

TEST_F(IconButtonResources, ASystemColourChangeKeepsTheColoursAndDropsTheBackgroundCache) {
    // A transparent button shows the parent's background, from its cache.
    dialog.m_find.SetTransparent(TRUE);
    const QImage before = Paint(dialog.m_find);
    EXPECT_EQ(ToColorRef(before.pixelColor(40, 2)), kParent);
    EXPECT_EQ(Ink(before, kNormalIcon), QRect(3, 11, 10, 8));

    QPalette changed = QApplication::palette();
    changed.setColor(QPalette::Button, QColor(1, 100, 200));
    changed.setColor(QPalette::Window, QColor(200, 100, 1));
    QApplication::setPalette(changed);
    QApplication::processEvents(); // the change reaches the widgets as posted events

    EXPECT_EQ(dialog.m_find.GetNormalBackColor(), kFace);
    EXPECT_EQ(dialog.m_find.GetHoverBackColor(), kFace);
    EXPECT_EQ(dialog.m_find.GetNormalTextColor(), kText);
    // The parent's new background, not the cached old one.
    EXPECT_EQ(ToColorRef(Paint(dialog.m_find).pixelColor(40, 2)), RGB(200, 100, 1));

    dialog.m_find.ResetNormalBackColor();
    EXPECT_EQ(dialog.m_find.GetNormalBackColor(), RGB(1, 100, 200));
}
