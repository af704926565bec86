#include "framework/paint/Icons.h"
#include "framework/paint/CDC.h"
#include "tests/support/PaintCanvas.h"

#include <QApplication>
#include <QPalette>
#include <gtest/gtest.h>

namespace {

constexpr COLORREF White = RGB(255, 255, 255);

QImage Picture(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

} // namespace

TEST(Icons, HotSpotIsTheCentreOfTheNaturalSize) {
    const struct {
        int width;
        int height;
    } cases[] = {{16, 16}, {32, 32}, {256, 256}, {24, 20}};
    const int iconsBefore = LiveIconCount();
    const int objectsBefore = CGdiObject::LiveCount();
    for (const auto& c : cases) {
        HICON icon = CreateIconFromImage(Picture(c.width, c.height));
        ASSERT_NE(icon, nullptr);
        EXPECT_EQ(icon->size, QSize(c.width, c.height));
        ICONINFO info;
        ASSERT_TRUE(GetIconInfo(icon, &info));
        EXPECT_TRUE(info.fIcon);
        EXPECT_EQ(info.xHotspot, static_cast<DWORD>(c.width / 2));
        EXPECT_EQ(info.yHotspot, static_cast<DWORD>(c.height / 2));
        BITMAP bits;
        ASSERT_TRUE(info.hbmColor->GetBitmap(&bits));
        EXPECT_EQ(QSize(bits.bmWidth, bits.bmHeight), QSize(c.width, c.height));
        EXPECT_EQ(CGdiObject::LiveCount(), objectsBefore + 2);
        EXPECT_TRUE(DeleteObject(info.hbmMask));
        EXPECT_TRUE(DeleteObject(info.hbmColor));
        EXPECT_EQ(CGdiObject::LiveCount(), objectsBefore);
        EXPECT_TRUE(DestroyIcon(icon));
    }
    EXPECT_EQ(LiveIconCount(), iconsBefore);
}

TEST(Icons, TheMaskIsWhiteWhereTheIconIsTransparent) {
    QImage image = Picture(4, 4);
    image.setPixelColor(1, 2, Qt::red);
    HICON icon = CreateIconFromImage(image);
    ICONINFO info;
    ASSERT_TRUE(GetIconInfo(icon, &info));
    EXPECT_EQ(info.hbmMask->GetImage().pixelColor(1, 2), QColor(Qt::black));
    EXPECT_EQ(info.hbmMask->GetImage().pixelColor(2, 1), QColor(Qt::white));
    EXPECT_EQ(info.hbmColor->GetImage().pixelColor(1, 2), QColor(Qt::red));
    DeleteObject(info.hbmMask);
    DeleteObject(info.hbmColor);
    DestroyIcon(icon);
}

TEST(Icons, EachHandleIsFreedOnceAndNullHandlesDoNothing) {
    const int before = LiveIconCount();
    HICON icon = CreateIconFromImage(Picture(8, 8));
    EXPECT_EQ(LiveIconCount(), before + 1);
    EXPECT_TRUE(DestroyIcon(icon));
    EXPECT_EQ(LiveIconCount(), before);
    EXPECT_FALSE(DestroyIcon(icon));
    EXPECT_FALSE(DestroyIcon(nullptr));
    EXPECT_EQ(LiveIconCount(), before);

    ICONINFO info;
    EXPECT_FALSE(GetIconInfo(nullptr, &info));
    EXPECT_EQ(info.xHotspot, 0u);
    EXPECT_EQ(info.yHotspot, 0u);
    EXPECT_EQ(info.hbmColor, nullptr);
    EXPECT_FALSE(info.fIcon);
    EXPECT_FALSE(DeleteObject(nullptr));

    PaintCanvas canvas;
    EXPECT_FALSE(canvas.dc().DrawState(CPoint(0, 0), CSize(0, 0), HICON(nullptr), DST_ICON));
}

TEST(Icons, ResourceIconsHaveTheSvgSizeAndEverySizeOffered) {
    const struct {
        UINT id;
        QSize size;
        QList<QSize> offered;
    } cases[] = {
        {9001, QSize(24, 20), {QSize(24, 20), QSize(16, 16)}},
        {9002, QSize(16, 16), {QSize(16, 16)}},
    };
    for (const auto& c : cases) {
        HICON icon = LoadIconResource(c.id);
        ASSERT_NE(icon, nullptr) << c.id;
        EXPECT_EQ(icon->size, c.size) << c.id;
        EXPECT_EQ(icon->image.size(), c.size) << c.id; // pixel ratio 1
        EXPECT_EQ(icon->icon.availableSizes(), c.offered) << c.id;
        EXPECT_NE(icon->image.pixelColor(c.size.width() / 2, c.size.height() / 2).alpha(), 0);
        DestroyIcon(icon);
    }
    EXPECT_EQ(LoadIconResource(9999), nullptr);
}

TEST(Icons, DrawStateShowsTheIconOrItsEmbossedShape) {
    const QPalette saved = QApplication::palette();
    QPalette palette = saved;
    palette.setColor(QPalette::Light, QColor(0, 200, 0));
    palette.setColor(QPalette::Dark, QColor(200, 0, 0));
    QApplication::setPalette(palette);
    QImage image = Picture(3, 3); // an L of three opaque blue pixels
    for (QPoint p : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1)})
        image.setPixelColor(p, Qt::blue);
    HICON icon = CreateIconFromImage(image);
    constexpr COLORREF Blue = RGB(0, 0, 255);
    constexpr COLORREF Highlight = RGB(0, 200, 0);
    constexpr COLORREF Shadow = RGB(200, 0, 0);
    const struct {
        UINT flags;
        COLORREF at55, at65, at56, at66, at76, at67, at77, at75;
    } cases[] = {
        {DST_ICON, Blue, Blue, Blue, White, White, White, White, White},
        {DST_ICON | DSS_DISABLED, Shadow, Shadow, Shadow, Highlight, Highlight, Highlight, White,
         White},
    };
    for (const auto& c : cases) {
        PaintCanvas canvas;
        canvas.dc().DrawState(CPoint(5, 5), CSize(40, 40), icon, c.flags);
        EXPECT_EQ(canvas.At(5, 5), c.at55) << c.flags;
        EXPECT_EQ(canvas.At(6, 5), c.at65) << c.flags;
        EXPECT_EQ(canvas.At(5, 6), c.at56) << c.flags;
        EXPECT_EQ(canvas.At(6, 6), c.at66) << c.flags;
        EXPECT_EQ(canvas.At(7, 6), c.at76) << c.flags;
        EXPECT_EQ(canvas.At(6, 7), c.at67) << c.flags;
        EXPECT_EQ(canvas.At(7, 7), c.at77) << c.flags;
        EXPECT_EQ(canvas.At(7, 5), c.at75) << c.flags;
    }
    QApplication::setPalette(saved);
    DestroyIcon(icon);
}
