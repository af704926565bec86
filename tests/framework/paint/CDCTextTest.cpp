#include "framework/paint/CDC.h"
#include "framework/paint/CFont.h"
#include "tests/support/PaintCanvas.h"

#include <QApplication>
#include <QPalette>
#include <cstring>
#include <gtest/gtest.h>

namespace {

constexpr COLORREF White = RGB(255, 255, 255);
constexpr COLORREF Ink = RGB(0, 0, 128);

// A 13-pixel DejaVu Sans without antialiasing, so that glyph pixels carry
// exactly the text colour.
class CDCText : public ::testing::Test {
protected:
    void SetUp() override {
        LOGFONT logFont;
        logFont.lfHeight = -13;
        logFont.lfQuality = NONANTIALIASED_QUALITY;
        std::strcpy(logFont.lfFaceName, "DejaVu Sans");
        m_font.CreateFontIndirect(&logFont);
    }

    // Canvas with the test font selected, text colour Ink, transparent mode.
    void Prepare(PaintCanvas& canvas) {
        canvas.dc().SelectObject(&m_font);
        canvas.dc().SetTextColor(Ink);
        canvas.dc().SetBkMode(TRANSPARENT);
    }

    CSize Extent(const char* text, UINT format = DT_SINGLELINE) {
        PaintCanvas canvas;
        Prepare(canvas);
        CRect rect(3, 4, 5, 6);
        canvas.dc().DrawText(text, &rect, format | DT_CALCRECT);
        EXPECT_EQ(rect.TopLeft(), CPoint(3, 4)) << text;
        return rect.Size();
    }

    CFont m_font;
};

// The smallest rectangle holding every pixel of `color`; empty when none.
QRect InkBox(const PaintCanvas& canvas, COLORREF color) {
    QRect box;
    for (int y = 0; y < canvas.image().height(); ++y)
        for (int x = 0; x < canvas.image().width(); ++x)
            if (canvas.At(x, y) == color)
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

TEST_F(CDCText, CalcRectKeepsTheTopLeftAndMeasuresOneLine) {
    const CSize find = Extent("Find");
    EXPECT_GT(find.cx, 10);
    EXPECT_EQ(find.cy, QFontMetrics(m_font.GetQFont()).height());
    EXPECT_EQ(Extent("&Find"), find);
    EXPECT_GT(Extent("&Find", DT_SINGLELINE | DT_NOPREFIX).cx, find.cx);
    EXPECT_EQ(Extent("a&&b"), Extent("a&b", DT_SINGLELINE | DT_NOPREFIX));
    EXPECT_GT(Extent("Find Find").cx, find.cx);
}

TEST_F(CDCText, WordBreakWrapsAtTheRectangleWidth) {
    PaintCanvas canvas;
    Prepare(canvas);
    CRect rect(0, 0, 40, 0);
    canvas.dc().DrawText("one two three four", &rect, DT_WORDBREAK | DT_CALCRECT);
    const int lineHeight = Extent("one").cy;
    EXPECT_GE(rect.Height(), 3 * lineHeight);
    EXPECT_LE(rect.Width(), 40);
    EXPECT_GT(rect.Width(), 0);
    CRect lines(0, 0, 200, 0);
    canvas.dc().DrawText("one\r\ntwo\nthree", &lines, DT_CALCRECT);
    EXPECT_GE(lines.Height(), 3 * lineHeight);
}

TEST_F(CDCText, PlacementFlagsMoveTheTextByTheTruncatedGaps) {
    const CSize extent = Extent("Hi");
    // Gaps of both parities, so that halving must truncate.
    for (const CRect& area : {CRect(2, 3, 62, 33), CRect(2, 3, 63, 34)}) {
        const int gapX = area.Width() - extent.cx;
        const int gapY = area.Height() - extent.cy;
        const struct {
            UINT format;
            QPoint shift;
        } cases[] = {
            {DT_CENTER | DT_VCENTER | DT_SINGLELINE, QPoint(gapX / 2, gapY / 2)},
            {DT_RIGHT | DT_BOTTOM | DT_SINGLELINE, QPoint(gapX, gapY)},
            {DT_CENTER | DT_VCENTER, QPoint(gapX / 2, 0)}, // vertical placement needs one line
            {DT_RIGHT | DT_WORDBREAK, QPoint(gapX, 0)},
        };
        PaintCanvas plain(70, 40);
        Prepare(plain);
        CRect at = area;
        plain.dc().DrawText("Hi", &at, DT_SINGLELINE);
        const QRect reference = InkBox(plain, Ink);
        ASSERT_FALSE(reference.isEmpty());
        for (const auto& c : cases) {
            PaintCanvas canvas(70, 40);
            Prepare(canvas);
            CRect rect = area;
            canvas.dc().DrawText("Hi", &rect, c.format);
            EXPECT_EQ(InkBox(canvas, Ink), reference.translated(c.shift))
                << c.format << " in width " << area.Width();
        }
    }
}

TEST_F(CDCText, APrefixUnderlinesTheNextLetterUnlessTurnedOff) {
    const auto draw = [&](const char* text, UINT format) {
        auto canvas = std::make_unique<PaintCanvas>(60, 30);
        Prepare(*canvas);
        CRect rect(2, 2, 60, 30);
        canvas->dc().DrawText(text, &rect, format | DT_SINGLELINE);
        return canvas;
    };
    const auto plain = draw("x", 0);
    const auto prefixed = draw("&x", 0);
    const QRect glyph = InkBox(*plain, Ink);
    const QRect underlined = InkBox(*prefixed, Ink);
    EXPECT_EQ(underlined.top(), glyph.top());
    EXPECT_GT(underlined.bottom(), glyph.bottom()); // the underline below the letter
    EXPECT_LE(underlined.left(), glyph.left() + 1);

    const auto literal = draw("&x", DT_NOPREFIX);
    EXPECT_GT(InkBox(*literal, Ink).width(), glyph.width() * 3 / 2); // "&" drawn
    EXPECT_EQ(draw("&&x", 0)->image(), literal->image());
}

TEST_F(CDCText, TextIsClippedToItsRectangleUnlessNoClip) {
    for (UINT noClip : {0u, DT_NOCLIP}) {
        PaintCanvas canvas(80, 30);
        Prepare(canvas);
        CRect rect(2, 2, 12, 28);
        canvas.dc().DrawText("Wide text", &rect, DT_SINGLELINE | noClip);
        EXPECT_EQ(InkBox(canvas, Ink).right() >= 12, noClip != 0) << noClip;
    }
}

TEST_F(CDCText, OpaqueModeFillsTheTextBlockWithTheBackgroundColour) {
    for (int mode : {OPAQUE, TRANSPARENT}) {
        PaintCanvas canvas;
        Prepare(canvas);
        canvas.dc().SetBkMode(mode);
        canvas.dc().SetBkColor(RGB(250, 200, 0));
        CRect rect(1, 1, 39, 39);
        canvas.dc().DrawText("i", &rect, DT_SINGLELINE);
        EXPECT_EQ(canvas.At(1, 1), mode == OPAQUE ? RGB(250, 200, 0) : White) << mode;
        EXPECT_EQ(canvas.At(30, 30), White) << mode;
    }
}

TEST_F(CDCText, DisabledStateTextIsEmbossedInTheThreeDColours) {
    const QPalette saved = QApplication::palette();
    QPalette palette = saved;
    palette.setColor(QPalette::Light, QColor(0, 200, 0));
    palette.setColor(QPalette::Dark, QColor(200, 0, 0));
    QApplication::setPalette(palette);

    PaintCanvas normal;
    Prepare(normal);
    normal.dc().DrawState(CPoint(5, 5), CSize(0, 0), "&Hi", DSS_NORMAL | DST_PREFIXTEXT, TRUE, 0);
    PaintCanvas disabled;
    Prepare(disabled);
    disabled.dc().DrawState(CPoint(5, 5), CSize(0, 0), "&Hi", DSS_DISABLED, TRUE, 0);
    QApplication::setPalette(saved);

    const QRect ink = InkBox(normal, Ink);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_EQ(InkBox(disabled, Ink), QRect());
    EXPECT_EQ(InkBox(disabled, RGB(200, 0, 0)), ink);
    EXPECT_EQ(InkBox(disabled, RGB(0, 200, 0)).bottomRight(), ink.bottomRight() + QPoint(1, 1));
}
