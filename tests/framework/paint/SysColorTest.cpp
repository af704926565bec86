#include "framework/paint/SysColor.h"

#include <QApplication>
#include <QPalette>
#include <gtest/gtest.h>

TEST(SysColor, FollowsTheApplicationPalette) {
    const struct {
        int index;
        QPalette::ColorGroup group;
        QPalette::ColorRole role;
    } cases[] = {
        {COLOR_BTNFACE, QPalette::Active, QPalette::Button},
        {COLOR_BTNTEXT, QPalette::Active, QPalette::ButtonText},
        {COLOR_BTNSHADOW, QPalette::Active, QPalette::Dark},
        {COLOR_BTNHIGHLIGHT, QPalette::Active, QPalette::Light},
        {COLOR_3DLIGHT, QPalette::Active, QPalette::Midlight},
        {COLOR_3DDKSHADOW, QPalette::Active, QPalette::Shadow},
        {COLOR_WINDOW, QPalette::Active, QPalette::Base},
        {COLOR_WINDOWTEXT, QPalette::Active, QPalette::Text},
        {COLOR_GRAYTEXT, QPalette::Disabled, QPalette::Text},
    };
    const QPalette saved = QApplication::palette();
    QPalette palette = saved;
    for (const auto& c : cases)
        palette.setColor(c.role, QColor(0, 0, 0)); // every group
    int shade = 10;
    for (const auto& c : cases) {
        palette.setColor(c.group, c.role, QColor(shade, 255 - shade, shade / 2));
        shade += 20;
    }
    QApplication::setPalette(palette);
    shade = 10;
    for (const auto& c : cases) {
        EXPECT_EQ(GetSysColor(c.index), RGB(shade, 255 - shade, shade / 2)) << c.index;
        shade += 20;
    }
    QApplication::setPalette(saved);
    EXPECT_EQ(GetSysColor(9999), RGB(0, 0, 0));
}
