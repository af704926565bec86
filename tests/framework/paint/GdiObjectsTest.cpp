#include "framework/paint/CBrush.h"
#include "framework/paint/CFont.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <cstring>
#include <gtest/gtest.h>
#include <string>

TEST(GdiObjects, AFontDescriptionSurvivesTheTripThroughQt) {
    QFont dialogFont("DejaVu Sans");
    dialogFont.setPixelSize(15);
    CFont dialog;
    ASSERT_TRUE(dialog.CreateFromQFont(dialogFont));
    LOGFONT logFont;
    ASSERT_EQ(dialog.GetLogFont(&logFont), 60);
    EXPECT_EQ(logFont.lfHeight, -15);
    EXPECT_STREQ(logFont.lfFaceName, "DejaVu Sans");
    EXPECT_EQ(logFont.lfWeight, FW_NORMAL);

    logFont.lfWeight = FW_BOLD; // what a link label makes of the dialog's font
    logFont.lfUnderline = 1;
    CFont link;
    ASSERT_TRUE(link.CreateFontIndirect(&logFont));
    const QFont& made = link.GetQFont();
    EXPECT_EQ(made.pixelSize(), 15);
    EXPECT_EQ(QFontInfo(made).family(), QFontInfo(dialogFont).family());
    EXPECT_TRUE(made.bold());
    EXPECT_TRUE(made.underline());
    EXPECT_FALSE(made.italic());
}

TEST(GdiObjects, APositiveHeightIsTheLargestCellThatFits) {
    for (int cell : {10, 16, 23}) {
        LOGFONT logFont;
        logFont.lfHeight = cell;
        std::strcpy(logFont.lfFaceName, "DejaVu Sans");
        CFont font;
        font.CreateFontIndirect(&logFont);
        QFont larger = font.GetQFont();
        EXPECT_LE(QFontMetrics(larger).height(), cell) << cell;
        larger.setPixelSize(larger.pixelSize() + 1);
        EXPECT_GT(QFontMetrics(larger).height(), cell) << cell;
    }
}

TEST(GdiObjects, AFaceNameOutweighsTheFamilyBits) {
    const auto familyOf = [](const char* face, BYTE pitchAndFamily) {
        LOGFONT logFont;
        logFont.lfHeight = 16;
        logFont.lfPitchAndFamily = pitchAndFamily;
        std::strcpy(logFont.lfFaceName, face);
        CFont font;
        font.CreateFontIndirect(&logFont);
        return QFontInfo(font.GetQFont()).family();
    };
    EXPECT_EQ(familyOf("DejaVu Sans", VARIABLE_PITCH | FF_ROMAN), "DejaVu Sans");
    EXPECT_EQ(familyOf("Arial", VARIABLE_PITCH | FF_ROMAN), familyOf("Arial", 0));
    EXPECT_EQ(familyOf("", FF_MODERN), QFontInfo(QFont("monospace")).family());
}

TEST(GdiObjects, StockObjectsAreSharedAndNeverFreed) {
    const int before = CGdiObject::LiveCount();
    HGDIOBJ nullBrush = GetStockObject(NULL_BRUSH);
    ASSERT_NE(nullBrush, nullptr);
    EXPECT_EQ(GetStockObject(NULL_BRUSH), nullBrush);
    EXPECT_TRUE(DeleteObject(nullBrush));
    EXPECT_FALSE(nullBrush->DeleteObject());
    LOGBRUSH logBrush;
    ASSERT_NE(static_cast<CBrush*>(nullBrush)->GetLogBrush(&logBrush), 0);
    EXPECT_EQ(logBrush.lbStyle, BS_NULL);
    EXPECT_EQ(GetStockObject(12345), nullptr);
    EXPECT_EQ(CGdiObject::LiveCount(), before);
}

TEST(GdiObjects, AFaceNameKeepsAtMost31BytesAndOnlyWholeCharacters) {
    const std::string e = "\xc3\xa9"; // two bytes
    const struct {
        std::string face;
        std::string kept;
    } cases[] = {
        {"Arial", "Arial"},
        {std::string(31, 'a'), std::string(31, 'a')},
        {std::string(40, 'a'), std::string(31, 'a')},
        {std::string(29, 'a') + e + "b", std::string(29, 'a') + e},
        {std::string(30, 'a') + e, std::string(30, 'a')},
        {"", ""},
    };
    for (const auto& c : cases) {
        LOGFONT logFont;
        std::memset(logFont.lfFaceName, 'x', LF_FACESIZE);
        SetFaceName(&logFont, c.face);
        EXPECT_EQ(std::string(logFont.lfFaceName), c.kept) << c.face;
    }
}
