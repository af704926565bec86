#include "tests/controls/ButtonFixture.h"

#include <QTest>

using namespace TestColors;
using IconButtonPaint = ButtonFixture;

namespace {
constexpr COLORREF kBlack = RGB(0, 0, 0);

// Where DrawState puts the ink of `text` drawn at (0, 0), and the size that
// DrawText measures for it: an account of the caption independent of the
// button.
struct TextMetrics {
    QRect ink;
    CSize size;
};
TextMetrics Measure(const char* text) {
    PaintCanvas canvas(200, 60, RGB(255, 255, 255));
    CRect rect(0, 0, 200, 60);
    canvas.dc().DrawText(text, -1, &rect, DT_CALCRECT | DT_SINGLELINE);
    canvas.dc().DrawState(CPoint(0, 0), CSize(0, 0), text, DST_PREFIXTEXT);
    return {Ink(canvas.image(), kBlack), rect.Size()};
}

COLORREF Inverted(COLORREF color) {
    return RGB(255 - GetRValue(color), 255 - GetGValue(color), 255 - GetBValue(color));
}
} // namespace

TEST_F(IconButtonPaint, TheIconStandsWhereItsAlignmentAndTheCaptionPutIt) {
    const struct {
        const char* name;
        CIconButton::IconAlign align;
        bool blank;
        BOOL showCaption;
        UINT state;
        QPoint topLeft;
    } cases[] = {
        {"left of a caption", CIconButton::ICON_LEFT, false, TRUE, 0, {3, 11}},
        {"left, empty caption", CIconButton::ICON_LEFT, true, TRUE, 0, {35, 11}},
        {"left, caption hidden", CIconButton::ICON_LEFT, false, FALSE, 0, {35, 11}},
        {"above a caption", CIconButton::ICON_ABOVE, false, TRUE, 0, {35, 0}},
        {"above, empty caption", CIconButton::ICON_ABOVE, true, TRUE, 0, {35, 11}},
        {"right of a caption", CIconButton::ICON_RIGHT, false, TRUE, 0, {68, 11}},
        {"right, empty caption", CIconButton::ICON_RIGHT, true, TRUE, 0, {35, 0}},
        {"left of a caption, pressed", CIconButton::ICON_LEFT, false, TRUE, ODS_SELECTED, {4, 12}},
        {"above, empty, pressed", CIconButton::ICON_ABOVE, true, TRUE, ODS_SELECTED, {36, 12}},
    };
    for (const auto& c : cases) {
        CIconButton& button = c.blank ? dialog.m_blank : dialog.m_find;
        button.SetIconAlign(c.align);
        button.SetShowCaption(c.showCaption);
        const QImage image = Paint(button, c.state);
        // Pressed draws the hover icon.
        const COLORREF icon = c.state ? kHoverIcon : kNormalIcon;
        EXPECT_EQ(Ink(image, icon), QRect(c.topLeft, QSize(10, 8))) << c.name;
    }
}

TEST_F(IconButtonPaint, TheCaptionIsCentredInWhatTheIconLeavesAndColouredByState) {
    const TextMetrics text = Measure("&Find");
    const int w = text.size.cx;
    const int h = text.size.cy;
    const COLORREF kHoverText = RGB(0, 0, 255);
    dialog.m_find.SetHoverTextColor(kHoverText);
    const struct {
        const char* name;
        int icon; // 0 none, 1 the test icons, 2 a resource that does not exist
        CIconButton::IconAlign align;
        bool hovered;
        UINT state;
        QPoint origin;
        COLORREF color;
    } cases[] = {
        {"no icon", 0, CIconButton::ICON_LEFT, false, 0, {(81 - w) / 2, (31 - h) / 2}, kText},
        {"missing icon", 2, CIconButton::ICON_LEFT, false, 0, {(81 - w) / 2, (31 - h) / 2}, kText},
        {"icon left",
         1,
         CIconButton::ICON_LEFT,
         false,
         0,
         {13 + (68 - w) / 2, (31 - h) / 2},
         kText},
        {"icon above",
         1,
         CIconButton::ICON_ABOVE,
         false,
         0,
         {(81 - w) / 2, 8 + (23 - h) / 2},
         kText},
        {"icon right",
         1,
         CIconButton::ICON_RIGHT,
         false,
         0,
         {3 + (65 - w) / 2, (31 - h) / 2},
         kText},
        {"pressed",
         1,
         CIconButton::ICON_LEFT,
         false,
         ODS_SELECTED,
         {14 + (68 - w) / 2, 1 + (31 - h) / 2},
         kHoverText},
        {"hovered",
         1,
         CIconButton::ICON_LEFT,
         true,
         0,
         {13 + (68 - w) / 2, (31 - h) / 2},
         kHoverText},
    };
    for (const auto& c : cases) {
        CIconButton& button = dialog.m_find;
        if (c.icon == 0)
            button.AttachIcons(nullptr);
        else if (c.icon == 2)
            button.LoadIcons(9999);
        else
            button.AttachIcons(SolidIcon(kHoverIcon), SolidIcon(kNormalIcon));
        button.SetIconAlign(c.align);
        if (c.hovered)
            QTest::mouseMove(Widget(button));
        const QImage image = Paint(button, c.state);
        EXPECT_EQ(Ink(image, c.color), text.ink.translated(c.origin)) << c.name;
        EXPECT_TRUE(Ink(image, c.color == kText ? kHoverText : kText).isNull()) << c.name;
    }
}

TEST_F(IconButtonPaint, FlatBackgroundAndHoverFrameFollowTheState) {
    const COLORREF kNormalBack = RGB(90, 91, 92);
    const COLORREF kHoverBack = RGB(160, 161, 162);
    dialog.m_find.SetNormalBackColor(kNormalBack);
    dialog.m_find.SetHoverBackColor(kHoverBack);
    const struct {
        const char* name;
        bool hovered;
        UINT state;
        BOOL hoverFrame;
        COLORREF back, topLeft, topRight, bottomLeft;
    } cases[] = {
        {"normal", false, 0, TRUE, kNormalBack, kNormalBack, kNormalBack, kNormalBack},
        {"hovered: raised", true, 0, TRUE, kHoverBack, kHighlight, kShadow, kShadow},
        {"pressed: sunken", false, ODS_SELECTED, TRUE, kHoverBack, kShadow, kHighlight, kHighlight},
        {"hovered, pressed", true, ODS_SELECTED, TRUE, kHoverBack, kShadow, kHighlight, kHighlight},
        {"hovered, no frame", true, 0, FALSE, kHoverBack, kHoverBack, kHoverBack, kHoverBack},
        {"pressed, no frame", false, ODS_SELECTED, FALSE, kHoverBack, kHoverBack, kHoverBack,
         kHoverBack},
    };
    for (const auto& c : cases) {
        QTest::mouseMove(Widget(c.hovered ? dialog.m_find : dialog.m_blank));
        dialog.m_find.SetHoverFrame(c.hoverFrame);
        const QImage image = Paint(dialog.m_find, c.state);
        const auto at = [&](int x, int y) { return ToColorRef(image.pixelColor(x, y)); };
        EXPECT_EQ(at(40, 2), c.back) << c.name;
        EXPECT_EQ(at(0, 0), c.topLeft) << c.name;
        EXPECT_EQ(at(79, 0), c.topLeft) << c.name;
        EXPECT_EQ(at(80, 0), c.topRight) << c.name;
        EXPECT_EQ(at(0, 30), c.bottomLeft) << c.name;
        EXPECT_EQ(at(80, 30), c.topRight) << c.name;
    }
}

TEST_F(IconButtonPaint, TheClassicButtonDrawsItsBorderDefaultFrameAndFocus) {
    using Pixels = std::vector<std::pair<QPoint, COLORREF>>;
    const COLORREF focusDot = Inverted(kFace);
    const struct {
        const char* name;
        bool isDefault;
        UINT state;
        Pixels pixels;
    } cases[] = {
        {"raised",
         false,
         0,
         {{{0, 0}, kHighlight},
          {{79, 0}, kHighlight},
          {{0, 29}, kHighlight},
          {{1, 1}, kLight},
          {{80, 0}, kDarkShadow},
          {{0, 30}, kDarkShadow},
          {{79, 1}, kShadow},
          {{1, 29}, kShadow},
          {{4, 4}, kFace}}},
        {"default button",
         true,
         0,
         {{{0, 0}, kBlack}, {{1, 1}, kHighlight}, {{79, 29}, kDarkShadow}, {{78, 28}, kShadow}}},
        {"focused", false, ODS_FOCUS, {{{0, 0}, kBlack}, {{4, 4}, focusDot}, {{5, 4}, kFace}}},
        {"pressed", false, ODS_SELECTED, {{{0, 0}, kShadow}, {{1, 1}, kFace}}},
        {"default, pressed", true, ODS_SELECTED, {{{0, 0}, kBlack}, {{1, 1}, kShadow}}},
    };
    for (const auto& c : cases) {
        CIconButton& button = c.isDefault ? dialog.m_exit : dialog.m_find;
        button.SetFlat(FALSE);
        const QImage image = Paint(button, c.state);
        for (const auto& [point, color] : c.pixels)
            EXPECT_EQ(ToColorRef(image.pixelColor(point)), color)
                << c.name << " at " << point.x() << "," << point.y();
    }
}

TEST_F(IconButtonPaint, AFlatButtonDrawsTheFocusRectangleOnlyWhenAskedTo) {
    const struct {
        const char* name;
        BOOL focusWhenFlat;
        UINT state;
        bool drawn;
    } cases[] = {
        {"focused", FALSE, ODS_FOCUS, false},
        {"focused, asked to", TRUE, ODS_FOCUS, true},
        {"not focused, asked to", TRUE, 0, false},
    };
    for (const auto& c : cases) {
        dialog.m_find.SetFocusWhenFlat(c.focusWhenFlat);
        const QImage image = Paint(dialog.m_find, c.state);
        EXPECT_EQ(ToColorRef(image.pixelColor(3, 3)), c.drawn ? Inverted(kFace) : kFace) << c.name;
        EXPECT_EQ(ToColorRef(image.pixelColor(4, 3)), kFace) << c.name;
    }
}

TEST_F(IconButtonPaint, ADisabledButtonEmbossesIconAndCaption) {
    const QImage image = Paint(dialog.m_find, ODS_DISABLED);
    EXPECT_TRUE(Ink(image, kNormalIcon).isNull());
    EXPECT_TRUE(Ink(image, kText).isNull());
    // The shape in the shadow colour over its copy in the highlight colour
    // one pixel right and down.
    EXPECT_EQ(ToColorRef(image.pixelColor(3, 11)), kShadow);
    EXPECT_EQ(ToColorRef(image.pixelColor(13, 19)), kHighlight);
    EXPECT_GT(Ink(image, kShadow).right(), 20); // the caption's part
}
