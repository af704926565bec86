#include "framework/paint/CBrush.h"
#include "framework/paint/CDC.h"
#include "framework/paint/CPen.h"
#include "tests/support/PaintCanvas.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF White = RGB(255, 255, 255);
constexpr COLORREF Red = RGB(255, 0, 0);
constexpr COLORREF Blue = RGB(0, 0, 255);
constexpr COLORREF Green = RGB(0, 160, 0);

struct PixelCase {
    int x;
    int y;
    COLORREF expected;
};

void ExpectPixels(const PaintCanvas& canvas, std::initializer_list<PixelCase> cases) {
    for (const PixelCase& c : cases)
        EXPECT_EQ(canvas.At(c.x, c.y), c.expected) << "at (" << c.x << ", " << c.y << ")";
}

} // namespace

TEST(CDCShapes, Draw3dRectGivesTheTopRightAndBottomLeftCornersToTheBottomRightColour) {
    PaintCanvas canvas;
    canvas.dc().Draw3dRect(2, 3, 6, 5, Red, Blue); // columns 2..7, rows 3..7
    ExpectPixels(canvas, {
                             {2, 3, Red},
                             {6, 3, Red},
                             {7, 3, Blue}, // top edge
                             {2, 6, Red},
                             {2, 7, Blue}, // left edge
                             {7, 7, Blue},
                             {4, 7, Blue},
                             {7, 5, Blue}, // right and bottom
                             {3, 4, White},
                             {6, 6, White}, // inside
                             {8, 3, White},
                             {2, 8, White},
                             {1, 3, White},
                             {2, 2, White},
                         });

    PaintCanvas fromRect;
    fromRect.dc().Draw3dRect(CRect(2, 3, 8, 8), Red, Blue);
    EXPECT_EQ(fromRect.image(), canvas.image());
}

TEST(CDCShapes, FrameRectDrawsOnePixelInsideTheRectangle) {
    PaintCanvas canvas;
    CBrush green(Green);
    canvas.dc().FrameRect(CRect(2, 2, 8, 6), &green);
    ExpectPixels(canvas, {
                             {2, 2, Green},
                             {7, 2, Green},
                             {2, 5, Green},
                             {7, 5, Green},
                             {4, 2, Green},
                             {2, 4, Green},
                             {3, 3, White},
                             {6, 4, White},
                             {8, 2, White},
                             {2, 6, White},
                         });
}

TEST(CDCShapes, FillSolidRectExcludesRightAndBottomAndSetsTheBackgroundColour) {
    PaintCanvas canvas;
    canvas.dc().FillSolidRect(CRect(1, 1, 4, 3), Red);
    EXPECT_EQ(canvas.dc().GetBkColor(), Red);
    canvas.dc().FillSolidRect(8, 5, -2, -3, Blue); // measured leftwards and upwards
    EXPECT_EQ(canvas.dc().GetBkColor(), Blue);
    ExpectPixels(canvas, {
                             {1, 1, Red},
                             {3, 2, Red},
                             {4, 1, White},
                             {1, 3, White},
                             {6, 2, Blue},
                             {7, 4, Blue},
                             {8, 4, White},
                             {7, 5, White},
                             {5, 3, White},
                         });
}

TEST(CDCShapes, FillRectPaintsOnlyWithASolidBrush) {
    CBrush solid(Red);
    CBrush empty;
    const struct {
        const char* name;
        CBrush* brush;
        COLORREF expected;
    } cases[] = {
        {"solid", &solid, Red},
        {"stock null", static_cast<CBrush*>(GetStockObject(NULL_BRUSH)), White},
        {"never created", &empty, White},
        {"none", nullptr, White},
    };
    for (const auto& c : cases) {
        PaintCanvas canvas;
        canvas.dc().FillRect(CRect(2, 2, 6, 6), c.brush);
        EXPECT_EQ(canvas.At(2, 2), c.expected) << c.name;
        EXPECT_EQ(canvas.At(5, 5), c.expected) << c.name;
        EXPECT_EQ(canvas.At(6, 6), White) << c.name;
    }
}

TEST(CDCShapes, LineToPaintsUpToButNotIncludingItsEndPoint) {
    const struct {
        const char* name;
        std::vector<CPoint> path;
        std::vector<CPoint> painted;
        std::vector<CPoint> untouched;
    } cases[] = {
        {"rightwards", {{2, 5}, {8, 5}}, {{2, 5}, {7, 5}}, {{8, 5}, {1, 5}}},
        {"leftwards", {{8, 6}, {2, 6}}, {{8, 6}, {3, 6}}, {{2, 6}, {9, 6}}},
        {"downwards", {{4, 1}, {4, 7}}, {{4, 1}, {4, 6}}, {{4, 7}, {4, 0}}},
        {"upwards", {{4, 7}, {4, 1}}, {{4, 7}, {4, 2}}, {{4, 1}, {4, 8}}},
        {"polyline", {{2, 2}, {6, 2}, {6, 6}, {2, 6}}, {{2, 2}, {6, 2}, {6, 6}, {3, 6}}, {{2, 6}}},
        {"diagonal", {{1, 1}, {5, 5}}, {{1, 1}, {3, 3}, {4, 4}}, {{5, 5}, {2, 1}}},
        {"empty", {{3, 3}, {3, 3}}, {}, {{3, 3}}},
    };
    for (const auto& c : cases) {
        PaintCanvas canvas;
        CPen pen(PS_SOLID, 1, Blue);
        CPen* previous = canvas.dc().SelectObject(&pen);
        canvas.dc().MoveTo(c.path.front());
        for (size_t i = 1; i < c.path.size(); ++i)
            canvas.dc().LineTo(c.path[i]);
        for (CPoint p : c.painted)
            EXPECT_EQ(canvas.At(p.x, p.y), Blue) << c.name << " at " << p.x << "," << p.y;
        for (CPoint p : c.untouched)
            EXPECT_EQ(canvas.At(p.x, p.y), White) << c.name << " at " << p.x << "," << p.y;
        EXPECT_EQ(canvas.dc().MoveTo(0, 0), c.path.back()) << c.name;
        EXPECT_EQ(canvas.dc().SelectObject(previous), &pen) << c.name;
    }
}

TEST(CDCShapes, TheDefaultPenIsOnePixelBlack) {
    PaintCanvas canvas;
    canvas.dc().MoveTo(2, 2);
    canvas.dc().LineTo(2, 9);
    ExpectPixels(canvas,
                 {{2, 2, RGB(0, 0, 0)}, {2, 8, RGB(0, 0, 0)}, {3, 5, White}, {1, 5, White}});
}

TEST(CDCShapes, RectangleOutlinesWithThePenAndFillsWithTheBrush) {
    PaintCanvas canvas;
    CPen pen(PS_SOLID, 1, Blue);
    CBrush brush(Green);
    canvas.dc().SelectObject(&pen);
    canvas.dc().SelectObject(&brush);
    canvas.dc().Rectangle(2, 2, 7, 6);
    canvas.dc().SelectObject(static_cast<CBrush*>(GetStockObject(NULL_BRUSH)));
    canvas.dc().Rectangle(10, 2, 15, 6);
    ExpectPixels(canvas, {
                             {2, 2, Blue},
                             {6, 2, Blue},
                             {6, 5, Blue},
                             {2, 5, Blue},
                             {3, 3, Green},
                             {5, 4, Green},
                             {7, 2, White},
                             {2, 6, White},
                             {10, 2, Blue},
                             {14, 5, Blue},
                             {12, 3, White},
                         });
}

TEST(CDCShapes, DrawFocusRectTwiceRestoresEveryPixel) {
    const CRect cases[] = {CRect(2, 3, 20, 15), CRect(4, 4, 12, 5), CRect(4, 4, 5, 12),
                           CRect(6, 6, 7, 7), CRect(5, 5, 7, 7)};
    for (const CRect& rect : cases) {
        PaintCanvas canvas;
        for (int i = 0; i < 8; ++i)
            canvas.dc().FillSolidRect(i * 5, 0, 5, 40, RGB(i * 30, 255 - i * 30, 90));
        const QImage before = canvas.image().copy();
        canvas.dc().DrawFocusRect(rect);
        EXPECT_NE(canvas.image(), before) << rect.left << "," << rect.top;
        canvas.dc().DrawFocusRect(rect);
        EXPECT_EQ(canvas.image(), before) << rect.left << "," << rect.top;
    }
}

TEST(CDCShapes, DrawFocusRectIsDottedAndStaysOnTheFrame) {
    PaintCanvas canvas;
    canvas.dc().DrawFocusRect(CRect(2, 2, 12, 8));
    int changedOnTop = 0;
    for (int x = 2; x < 12; ++x)
        changedOnTop += canvas.At(x, 2) != White;
    EXPECT_EQ(changedOnTop, 5);
    EXPECT_NE(canvas.At(2, 2) != White, canvas.At(3, 2) != White);
    EXPECT_EQ(canvas.At(5, 5), White);
    EXPECT_EQ(canvas.At(12, 2), White);
    EXPECT_EQ(canvas.At(2, 8), White);
}
