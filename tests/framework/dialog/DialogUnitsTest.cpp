#include "framework/dialog/DialogUnits.h"

#include <QApplication>
#include <gtest/gtest.h>

TEST(DialogUnits, MulDivRoundsHalfAwayFromZero) {
    const struct {
        int number, numerator, denominator, expected;
    } cases[] = {
        {310, 6, 4, 465}, {229, 13, 8, 372}, {1, 3, 2, 2},           {-1, 3, 2, -2}, {5, 1, 2, 3},
        {-5, 1, 2, -3},   {7, 1, -2, -4},    {-7, -1, 2, 4},         {4, 1, 8, 1},   {3, 1, 8, 0},
        {10, 0, 4, 0},    {1, 1, 0, -1},     {2000000000, 3, 2, -1}, // 3e9 does not fit
    };
    for (const auto& c : cases)
        EXPECT_EQ(MulDiv(c.number, c.numerator, c.denominator), c.expected)
            << c.number << " * " << c.numerator << " / " << c.denominator;
}

TEST(DialogUnits, ConvertEachEdgeWithTheBaseUnits) {
    const struct {
        int baseX, baseY;
        CRect units, pixels;
    } cases[] = {
        {6, 13, CRect(0, 0, 310, 229), CRect(0, 0, 465, 372)},
        {6, 13, CRect(247, 192, 301, 224), CRect(371, 312, 452, 364)},
        {7, 15, CRect(11, 27, 206, 37), CRect(19, 51, 361, 69)},
        {8, 16, CRect(1, 1, 3, 3), CRect(2, 2, 6, 6)},
        {5, 11, CRect(-2, -3, 2, 3), CRect(-3, -4, 3, 4)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DialogUnits(c.baseX, c.baseY).MapRect(c.units), c.pixels)
            << c.baseX << "x" << c.baseY << " " << c.units.left << "," << c.units.top;
}

TEST(DialogUnits, BaseUnitsFollowTheAlphabetWidthAndTheFontHeight) {
    const struct { int pixelSize, baseX, baseY; } cases[] = {{13, 8, 15}, {20, 12, 24}, {8, 5, 9}};
    for (const auto& c : cases) {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(c.pixelSize);
        const DialogUnits units = DialogUnits::ForFont(font);
        EXPECT_EQ(units.BaseX(), c.baseX) << c.pixelSize;
        EXPECT_EQ(units.BaseY(), c.baseY) << c.pixelSize;
    }
}

TEST(DialogUnits, TheWindowsDialogFontIsTheDesktopFont) {
    EXPECT_EQ(DialogUnits::TemplateFont("MS Sans Serif", 8), QApplication::font());
    EXPECT_EQ(DialogUnits::TemplateFont("MS Shell Dlg", 8), QApplication::font());
    const QFont larger = DialogUnits::TemplateFont("MS Sans Serif", 16);
    EXPECT_DOUBLE_EQ(larger.pointSizeF(), 2 * QApplication::font().pointSizeF());
}
