#include "controls/COffscreenDC.h"
#include "framework/paint/CBrush.h"
#include "tests/support/PaintCanvas.h"

#include <gtest/gtest.h>

namespace {
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kGreen = RGB(0, 160, 0);

// Whether every pixel of the canvas is still `color`.
bool Untouched(const PaintCanvas& canvas, COLORREF color) {
    for (int y = 0; y < canvas.image().height(); ++y)
        for (int x = 0; x < canvas.image().width(); ++x)
            if (canvas.At(x, y) != color)
                return false;
    return true;
}
} // namespace

TEST(OffscreenDC, AnAreaIsBufferedInTheTargetsCoordinatesAndCopiedBackWhenItGoes) {
    // The target's own window origin, and an area away from it.
    for (const CPoint origin : {CPoint(0, 0), CPoint(100, 100), CPoint(-4, 7)}) {
        SCOPED_TRACE(origin.x);
        PaintCanvas canvas(40, 40, kWhite);
        canvas.dc().SetWindowOrg(origin);
        const CRect area(origin.x + 10, origin.y + 20, origin.x + 30, origin.y + 25);
        const int objects = CGdiObject::LiveCount();
        {
            COffscreenDC dc(&canvas.dc(), area);
            CRect reach;
            dc.GetClipBox(&reach);
            EXPECT_EQ(reach, area);
            // The area's first and last pixels, and a pixel outside it.
            dc.FillSolidRect(area.left, area.top, 1, 1, kRed);
            dc.FillSolidRect(area.right - 1, area.bottom - 1, 1, 1, kBlue);
            dc.FillSolidRect(origin.x + 5, origin.y + 5, 2, 2, kGreen);
            EXPECT_TRUE(Untouched(canvas, kWhite)) << "drawn before the copy";
        }
        EXPECT_EQ(canvas.At(10, 20), kRed);
        EXPECT_EQ(canvas.At(29, 24), kBlue);
        // The rest of the area shows the new bitmap; nothing outside it moves.
        EXPECT_EQ(canvas.At(11, 20), kBlack);
        EXPECT_EQ(canvas.At(9, 20), kWhite);
        EXPECT_EQ(canvas.At(30, 24), kWhite);
        EXPECT_EQ(canvas.At(29, 25), kWhite);
        EXPECT_EQ(canvas.At(5, 5), kWhite);
        EXPECT_EQ(CGdiObject::LiveCount(), objects);
    }
}

TEST(OffscreenDC, AnAllZeroRectangleBuffersTheTargetsClipBox) {
    PaintCanvas canvas(40, 30, kWhite);
    canvas.dc().SetWindowOrg(2, 3);
    canvas.painter().setClipRect(QRect(5, 6, 10, 8));
    {
        COffscreenDC dc(&canvas.dc(), CRect(0, 0, 0, 0));
        CRect reach;
        dc.GetClipBox(&reach);
        EXPECT_EQ(reach, CRect(7, 9, 17, 17));
        dc.FillSolidRect(0, 0, 60, 60, kRed);
    }
    EXPECT_EQ(canvas.At(5, 6), kRed);
    EXPECT_EQ(canvas.At(14, 13), kRed);
    EXPECT_EQ(canvas.At(4, 6), kWhite);
    EXPECT_EQ(canvas.At(15, 13), kWhite);
    EXPECT_EQ(canvas.At(14, 14), kWhite);
}

TEST(OffscreenDC, AnEmptyRectangleThatIsNotAllZeroCopiesNothing) {
    for (const CRect area :
         {CRect(5, 5, 5, 5), CRect(0, 0, 0, 7), CRect(3, 0, 9, 0), CRect(9, 9, 4, 12)}) {
        SCOPED_TRACE(area.left);
        PaintCanvas canvas(20, 20, kWhite);
        {
            COffscreenDC dc(&canvas.dc(), area);
            dc.FillSolidRect(0, 0, 20, 20, kRed);
        }
        EXPECT_TRUE(Untouched(canvas, kWhite));
    }
}

TEST(OffscreenDC, APrintingTargetIsDrawnOnDirectlyAndLeftWhole) {
    PaintCanvas printer(20, 20, kWhite);
    printer.dc().m_bPrinting = TRUE;
    printer.dc().SetWindowOrg(1, 1);
    const int objects = CGdiObject::LiveCount();
    {
        COffscreenDC dc(&printer.dc(), CRect(10, 10, 12, 12));
        EXPECT_TRUE(dc.IsPrinting());
        EXPECT_EQ(CGdiObject::LiveCount(), objects) << "a bitmap for a printer";
        // Straight on the printer, in its coordinates, outside the area too.
        dc.FillSolidRect(3, 3, 1, 1, kRed);
        EXPECT_EQ(printer.At(2, 2), kRed);
    }
    EXPECT_EQ(CGdiObject::LiveCount(), objects);
    EXPECT_EQ(printer.At(9, 9), kWhite) << "copied at the end";
    ASSERT_NE(printer.dc().GetSafeHdc(), nullptr);
    CBrush blue(kBlue);
    printer.dc().FillRect(CRect(5, 5, 6, 6), &blue);
    EXPECT_EQ(printer.At(4, 4), kBlue);
}
