#include "controls/CFadeBanner.h"
#include "framework/dialog/CDialog.h"
#include "framework/dialog/DDX.h"
#include "framework/window/TickCount.h"
#include "tests/controls/ScopedPalette.h"
#include "tests/controls/TestDialogTemplate.h"
#include "tests/support/PaintCanvas.h"
#include "tests/support/UiDriver.h"
#include "tests/support/WaitUntil.h"

#include <QTest>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {
// The colours both dialogs give their banners.
constexpr COLORREF kBack = RGB(0, 72, 176);
constexpr COLORREF kTextColor = RGB(184, 220, 240);
constexpr const char* kMakerLine = "Tarnwick software";
// The frame colours of the test palette.
constexpr COLORREF kShadow = TestColors::kShadow;
constexpr COLORREF kHighlight = TestColors::kHighlight;

// The clock the banner reads, set by the test.
class FakeClock {
public:
    DWORD now = 0;

private:
    TickCountHook m_hook{[this] { return now; }};
};

// A banner that counts its paints.
class CountingBanner : public CFadeBanner {
public:
    int paints = 0;

protected:
    void OnPaint() override {
        ++paints;
        CFadeBanner::OnPaint();
    }
};

// A dialog with one banner, control kBanner.
class BannerDialog : public CDialog {
public:
    static constexpr UINT kTemplate = 9202;
    static constexpr int kBanner = 1010;

    BannerDialog() : CDialog(kTemplate) {
        AddTestDialog(kTemplate, "Banner", 130, 30,
                      {DialogItem::Static(kBanner, "", 7, 9, 111, 12, WS_CHILD | WS_VISIBLE)});
    }

    CountingBanner m_banner;

protected:
    void DoDataExchange(CDataExchange& dx) override { DDX_Control(dx, kBanner, m_banner); }
};

COLORREF Pixel(const QImage& image, int x, int y) {
    return ToColorRef(image.pixelColor(x, y));
}
} // namespace

TEST(FadeBanner, TheColourFollowsTheClockChannelByChannel) {
    FakeClock clock;
    const struct {
        const char* name;
        COLORREF back;
        COLORREF target;
        int steps;
        DWORD start;
        DWORD now;
        COLORREF expected;
    } cases[] = {
        {"at the start", kBack, kTextColor, 100, 5000, 5000, kBack},
        {"within the first step", kBack, kTextColor, 100, 5000, 5009, kBack},
        {"one step", kBack, kTextColor, 100, 5000, 5010, RGB(1, 73, 176)},
        {"half way", kBack, kTextColor, 100, 5000, 5500, RGB(92, 146, 208)},
        {"one step short", kBack, kTextColor, 100, 5000, 5990, RGB(182, 218, 239)},
        {"all steps", kBack, kTextColor, 100, 5000, 6000, kTextColor},
        {"long after", kBack, kTextColor, 100, 5000, 90000, kTextColor},
        {"falling, rising, steady: one step", RGB(250, 30, 128), RGB(5, 200, 128), 100, 0, 10,
         RGB(248, 31, 128)},
        {"falling, rising, steady: half way", RGB(250, 30, 128), RGB(5, 200, 128), 100, 0, 500,
         RGB(128, 115, 128)},
        {"falling, rising, steady: one step short", RGB(250, 30, 128), RGB(5, 200, 128), 100, 0,
         990, RGB(8, 198, 128)},
        {"no steps", kBack, kTextColor, 0, 0, 0, kTextColor},
        {"fewer than no steps", kBack, kTextColor, -5, 0, 0, kTextColor},
        {"200 steps, one second on", kBack, kTextColor, 200, 0, 1001, RGB(92, 146, 208)},
        {"200 steps, two seconds on", kBack, kTextColor, 200, 0, 2000, kTextColor},
        {"across the wrap of the count", kBack, kTextColor, 100, 0xFFFFFFF0, 0x10, RGB(5, 76, 177)},
    };
    for (const auto& c : cases) {
        CFadeBanner banner;
        banner.SetColors(c.back, c.target, RGB(0, 0, 0));
        clock.now = c.start;
        banner.ShowText(kMakerLine, "", c.steps, FALSE, "", "");
        clock.now = c.now;
        EXPECT_EQ(banner.FadeColor(c.target), c.expected) << c.name;
    }
}

TEST(FadeBanner, ShowTextAgainRestartsFromTheBackground) {
    FakeClock clock;
    CFadeBanner banner;
    banner.SetColors(kBack, kTextColor, RGB(0, 0, 0));
    banner.ShowText(kMakerLine, "", 100, FALSE, "", "");
    clock.now = 2000;
    ASSERT_EQ(banner.FadeColor(kTextColor), kTextColor);
    banner.ShowText("again", "", 100, FALSE, "", "");
    EXPECT_EQ(banner.FadeColor(kTextColor), kBack);
    clock.now = 2500;
    EXPECT_EQ(banner.FadeColor(kTextColor), RGB(92, 146, 208));
    // Resetting the colours fades from the default grey.
    banner.ShowText("reset", "", 100, TRUE, "", "");
    EXPECT_EQ(banner.FadeColor(kTextColor), RGB(210, 210, 210));
}

// The banner of a shown dialog, 161 x 21 pixels, under a fake clock and the
// test palette (shadow kShadow, highlight kHighlight).
class FadeBannerWindow : public ::testing::Test {
protected:
    static constexpr int kWidth = 161;
    static constexpr int kHeight = 21;

    void SetUp() override {
        ASSERT_TRUE(dialog.Create());
        banner.m_hWnd->resize(kWidth, kHeight);
        ShowActive(dialog);
        QApplication::processEvents();
        banner.SetColors(kBack, kTextColor, RGB(0, 0, 0));
    }

    // What the banner paints now.
    QImage Picture() const { return banner.m_hWnd->grab().toImage(); }

    FakeClock clock;
    ScopedPalette palette;
    BoxRecorder boxes;
    BannerDialog dialog;
    CountingBanner& banner = dialog.m_banner;
};

TEST_F(FadeBannerWindow, TheTimerStopsAtTheFirstTickAfterOneSecond) {
    const struct {
        const char* name;
        std::vector<DWORD> ticks;
        bool running;
    } cases[] = {
        {"before the first tick", {}, true},
        {"ticks up to one second", {10, 500, 999, 1000}, true},
        {"a tick after one second", {10, 1001}, false},
        {"a late first tick", {5000}, false},
    };
    for (const auto& c : cases) {
        clock.now = 0;
        banner.ShowText(kMakerLine, "", 100, FALSE, "", "");
        for (DWORD tick : c.ticks) {
            clock.now = tick;
            banner.SendMessage(WM_TIMER, 500);
        }
        // KillTimer tells whether the timer was still running.
        EXPECT_EQ(banner.KillTimer(500) != FALSE, c.running) << c.name;
    }
}

TEST_F(FadeBannerWindow, TheTickThatStopsTheTimerRepaintsOnceMore) {
    banner.ShowText(kMakerLine, "", 100, FALSE, "", "");
    const int paints = banner.paints;
    clock.now = 1001;
    banner.SendMessage(WM_TIMER, 500);
    EXPECT_TRUE(QTest::qWaitFor([&] { return banner.paints > paints; }, kTestDeadline.count()));
}

namespace {
// One line of text drawn for a reference picture.
struct Stroke {
    CFont* font;
    std::string text;
    COLORREF color;
    CPoint at; // the top-left corner of the text's cell
};

CSize Measure(CFont& font, const std::string& text) {
    PaintCanvas canvas(400, 80);
    canvas.dc().SelectObject(&font);
    CRect rect(0, 0, 400, 80);
    canvas.dc().DrawText(text, &rect, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    return rect.Size();
}

// Where a single line lands in `box`: aligned as `align` says, centred
// vertically.
CPoint Place(CFont& font, const std::string& text, const CRect& box, UINT align) {
    const CSize size = Measure(font, text);
    int x = box.left;
    if (align == DT_CENTER)
        x = (box.left + box.right - size.cx) / 2;
    else if (align == DT_RIGHT)
        x = box.right - size.cx;
    return CPoint(x, (box.top + box.bottom - size.cy) / 2);
}

// The strokes drawn straight onto a ground of `back`.
QImage Reference(int width, int height, COLORREF back, const std::vector<Stroke>& strokes) {
    PaintCanvas canvas(width, height, back);
    canvas.dc().SetBkMode(TRANSPARENT);
    for (const Stroke& stroke : strokes) {
        canvas.dc().SelectObject(stroke.font);
        canvas.dc().SetTextColor(stroke.color);
        CRect rect(stroke.at.x, stroke.at.y, stroke.at.x + 400, stroke.at.y + 80);
        canvas.dc().DrawText(stroke.text, &rect, DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
    }
    return canvas.image().copy();
}

// Whether `actual` and `expected` agree on every pixel of `area`; the first
// difference is reported.
::testing::AssertionResult SamePixels(const QImage& actual, const QImage& expected,
                                      const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (Pixel(actual, x, y) != Pixel(expected, x, y))
                return ::testing::AssertionFailure()
                       << "pixel (" << x << ", " << y << ") is " << std::hex << Pixel(actual, x, y)
                       << ", expected " << Pixel(expected, x, y);
    return ::testing::AssertionSuccess();
}
} // namespace

TEST_F(FadeBannerWindow, ASunkenPanelWithTheTextCentredInTheColourOfTheMoment) {
    const struct {
        const char* name;
        int steps;
        BOOL reset;
        std::vector<DWORD> ticks; // the last one is the moment of the picture
        COLORREF back;
        COLORREF text;
    } cases[] = {
        {"half way", 100, FALSE, {500}, kBack, RGB(92, 146, 208)},
        {"at the end", 100, FALSE, {1000}, kBack, kTextColor},
        {"no fade", 0, FALSE, {0}, kBack, kTextColor},
        {"stopped half way by the one-second tick", 200, FALSE, {1001}, kBack, RGB(92, 146, 208)},
        {"the next paint after the fade's end", 200, FALSE, {1001, 2000}, kBack, kTextColor},
        {"the default colours", 100, TRUE, {1000}, RGB(210, 210, 210), RGB(0, 0, 60)},
    };
    CBannerFont arial("Arial");
    const CPoint at = Place(arial, kMakerLine, CRect(0, 0, kWidth - 1, kHeight), DT_CENTER);
    for (const auto& c : cases) {
        clock.now = 0;
        banner.ShowText(kMakerLine, "", c.steps, c.reset, "", "");
        for (DWORD tick : c.ticks) {
            clock.now = tick;
            banner.SendMessage(WM_TIMER, 500);
        }
        const QImage picture = Picture();
        ASSERT_EQ(picture.size(), QSize(kWidth, kHeight));
        // The sunken frame: shadow above and left, highlight right and below.
        EXPECT_EQ(Pixel(picture, 0, 0), kShadow) << c.name;
        EXPECT_EQ(Pixel(picture, kWidth - 2, 0), kShadow) << c.name;
        EXPECT_EQ(Pixel(picture, 0, kHeight - 2), kShadow) << c.name;
        EXPECT_EQ(Pixel(picture, kWidth - 1, 0), kHighlight) << c.name;
        EXPECT_EQ(Pixel(picture, 0, kHeight - 1), kHighlight) << c.name;
        EXPECT_EQ(Pixel(picture, kWidth - 1, kHeight - 1), kHighlight) << c.name;
        const QImage expected =
            Reference(kWidth, kHeight, c.back, {{&arial, kMakerLine, c.text, at}});
        EXPECT_TRUE(SamePixels(picture, expected, QRect(1, 1, kWidth - 2, kHeight - 2))) << c.name;
        EXPECT_FALSE(Ink(picture, c.text).isEmpty()) << c.name;
        banner.SetColors(kBack, kTextColor, RGB(0, 0, 0));
    }
}

TEST_F(FadeBannerWindow, ACaptionTakesABoxOfItsOwnAtTheLeft) {
    const std::string captionSpec = "12,0,0,0,700,0,0,0,0,0,0,0,0,0,0,0,Arial";
    const std::string textSpec = "17,0,0,0,400,1,0,0,0,0,0,0,0,0,0,0,Arial";
    const COLORREF captionColor = RGB(250, 240, 0);
    // A text that fits its box, which clips it.
    banner.SetColors(kBack, kTextColor, captionColor);
    banner.ShowText("Tarnwick", "V1", 100, FALSE, captionSpec, textSpec);
    clock.now = 1000;
    const QImage picture = Picture();

    // The caption box: x 0 to 48, framed on its own.
    EXPECT_EQ(Pixel(picture, 0, 0), kShadow);
    EXPECT_EQ(Pixel(picture, 47, 0), kShadow);
    EXPECT_EQ(Pixel(picture, 48, 0), kHighlight);
    EXPECT_EQ(Pixel(picture, 48, kHeight - 1), kHighlight);
    // Column 49 belongs to neither box.
    for (int y = 0; y < kHeight; ++y)
        EXPECT_EQ(Ink(picture.copy(49, y, 1, 1), kBack), QRect()) << y;
    // The text box: x 50 to the right edge.
    EXPECT_EQ(Pixel(picture, 50, 0), kShadow);
    EXPECT_EQ(Pixel(picture, 50, kHeight - 2), kShadow);
    EXPECT_EQ(Pixel(picture, 50, kHeight - 1), kHighlight);
    EXPECT_EQ(Pixel(picture, kWidth - 2, 0), kShadow);
    EXPECT_EQ(Pixel(picture, kWidth - 1, 0), kHighlight);

    // Each text in the font of its own description, centred in its box.
    CBannerFont captionFont("Arial");
    captionFont.ParseSpec(captionSpec);
    CBannerFont textFont("Arial");
    textFont.ParseSpec(textSpec);
    const QImage expected =
        Reference(kWidth, kHeight, kBack,
                  {{&captionFont, "V1", captionColor,
                    Place(captionFont, "V1", CRect(0, 0, 50, kHeight), DT_CENTER)},
                   {&textFont, "Tarnwick", kTextColor,
                    Place(textFont, "Tarnwick", CRect(50, 0, kWidth - 1, kHeight), DT_CENTER)}});
    EXPECT_TRUE(SamePixels(picture, expected, QRect(1, 1, 47, kHeight - 2)));
    EXPECT_TRUE(SamePixels(picture, expected, QRect(51, 1, kWidth - 52, kHeight - 2)));
}

TEST_F(FadeBannerWindow, TheShadowLiesTwoPixelsRightAndDownForEveryAlignment) {
    CBannerFont arial("Arial");
    const COLORREF shadow = RGB(0, 22, 126); // the background, 50 darker, floored at 0
    banner.m_shadow = 1;
    for (UINT align : {DT_LEFT, DT_CENTER, DT_RIGHT}) {
        banner.m_textFormat = align;
        clock.now = 0;
        banner.ShowText(kMakerLine, "", 100, FALSE, "", "");
        clock.now = 1000;
        const CPoint at = Place(arial, kMakerLine, CRect(0, 0, kWidth - 1, kHeight), align);
        const QImage expected = Reference(kWidth, kHeight, kBack,
                                          {{&arial, kMakerLine, shadow, CPoint(at.x + 2, at.y + 2)},
                                           {&arial, kMakerLine, kTextColor, at}});
        EXPECT_TRUE(SamePixels(Picture(), expected, QRect(1, 1, kWidth - 2, kHeight - 2)))
            << "alignment " << align;
    }
}

TEST_F(FadeBannerWindow, WithoutTextOnlyThePanelShows) {
    banner.ShowText("", "", 100, FALSE, "", "");
    clock.now = 1000;
    const QImage panel = Reference(kWidth, kHeight, kBack, {});
    EXPECT_TRUE(SamePixels(Picture(), panel, QRect(1, 1, kWidth - 2, kHeight - 2)));
    EXPECT_EQ(Pixel(Picture(), 0, 0), kShadow);
    banner.m_sunken = 0;
    EXPECT_TRUE(SamePixels(Picture(), panel, QRect(0, 0, kWidth, kHeight)));
}
