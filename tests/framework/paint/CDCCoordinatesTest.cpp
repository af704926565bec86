#include "framework/paint/CBrush.h"
#include "framework/paint/CDC.h"
#include "framework/paint/CPen.h"
#include "framework/paint/Icons.h"
#include "tests/support/PaintCanvas.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF White = RGB(255, 255, 255);
constexpr COLORREF Red = RGB(255, 0, 0);

// Every kind of drawing, placed relative to `o`, which is also made the
// window origin: the picture must not depend on `o`.
void DrawScene(CDC& dc, CPoint o, HICON icon, CDC& memory) {
    dc.SetWindowOrg(o);
    CBrush green(RGB(0, 128, 0));
    CPen blue(PS_SOLID, 1, RGB(0, 0, 255));
    CPen* previous = dc.SelectObject(&blue);
    dc.FillSolidRect(o.x + 1, o.y + 1, 3, 2, Red);
    dc.FillRect(CRect(o.x + 5, o.y + 1, o.x + 8, o.y + 4), &green);
    dc.FrameRect(CRect(o.x + 1, o.y + 6, o.x + 9, o.y + 12), &green);
    dc.Draw3dRect(o.x + 10, o.y + 6, 7, 6, Red, RGB(0, 0, 0));
    dc.MoveTo(o.x + 2, o.y + 20);
    dc.LineTo(o.x + 12, o.y + 25);
    dc.LineTo(o.x + 12, o.y + 30);
    dc.Rectangle(o.x + 14, o.y + 20, o.x + 22, o.y + 28);
    CRect text(o.x + 20, o.y + 2, o.x + 60, o.y + 20);
    dc.DrawText("Ab", &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    dc.DrawState(CPoint(o.x + 40, o.y + 30), CSize(0, 0), icon, DSS_DISABLED);
    dc.DrawState(CPoint(o.x + 2, o.y + 40), CSize(0, 0), "&Go", DSS_NORMAL);
    dc.DrawFocusRect(CRect(o.x + 30, o.y + 40, o.x + 50, o.y + 55));
    dc.BitBlt(o.x + 52, o.y + 2, 6, 6, &memory, 0, 0, SRCCOPY);
    dc.SelectObject(previous);
}

} // namespace

TEST(CDCCoordinates, TheWindowOriginMovesEveryKindOfDrawing) {
    QImage picture(6, 6, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    picture.setPixelColor(1, 1, Qt::black);
    picture.setPixelColor(2, 1, Qt::black);
    HICON icon = CreateIconFromImage(picture);
    CDC memory;
    memory.CreateCompatibleDC(nullptr);
    CBitmap bits;
    bits.CreateCompatibleBitmap(&memory, 6, 6);
    CBitmap* previous = memory.SelectObject(&bits);
    memory.FillSolidRect(2, 2, 2, 2, Red);

    PaintCanvas reference(70, 60);
    DrawScene(reference.dc(), CPoint(0, 0), icon, memory);
    EXPECT_NE(reference.At(53, 3), White); // something was drawn
    for (CPoint origin : {CPoint(13, -7), CPoint(-4, 9), CPoint(100, 200)}) {
        PaintCanvas canvas(70, 60);
        DrawScene(canvas.dc(), origin, icon, memory);
        EXPECT_EQ(canvas.image(), reference.image()) << origin.x << "," << origin.y;
    }
    memory.SelectObject(previous);
    DestroyIcon(icon);
}

TEST(CDCCoordinates, AtPixelRatioTwoDrawingStaysInLogicalPixels) {
    QImage image(20, 20, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDevicePixelRatio(2);
    QPainter painter(&image);
    CDC dc(&painter);
    const auto at = [&](int x, int y) { return ToColorRef(image.pixelColor(x, y)); };

    dc.FillSolidRect(1, 1, 2, 1, Red);
    EXPECT_EQ(at(2, 2), Red);
    EXPECT_EQ(at(5, 3), Red);
    EXPECT_EQ(at(6, 2), White);
    EXPECT_EQ(at(2, 4), White);
    CRect box;
    dc.GetClipBox(&box);
    EXPECT_EQ(box, CRect(0, 0, 10, 10));

    CDC memory;
    memory.CreateCompatibleDC(&dc);
    CBitmap bits;
    bits.CreateCompatibleBitmap(&memory, 3, 3);
    EXPECT_EQ(bits.GetImage().size(), QSize(6, 6)); // crisp: one bitmap pixel per screen pixel
    CBitmap* previous = memory.SelectObject(&bits);
    memory.FillSolidRect(0, 0, 3, 3, White);
    memory.FillSolidRect(1, 1, 1, 1, Red);
    dc.BitBlt(5, 5, 3, 3, &memory, 0, 0, SRCCOPY);
    EXPECT_EQ(at(12, 12), Red);
    EXPECT_EQ(at(13, 13), Red);
    EXPECT_EQ(at(11, 12), White);
    EXPECT_EQ(at(14, 13), White);
    memory.SelectObject(previous);
}
