#include "controls/CBannerFont.h"

#include <QFontInfo>
#include <gtest/gtest.h>
#include <string>

namespace {
// A font's description as one line, for comparing whole descriptions.
std::string Describe(const CBannerFont& font) {
    LOGFONT f;
    if (font.GetLogFont(&f) == 0)
        return "no font";
    std::string text;
    for (long value :
         {long{f.lfHeight}, long{f.lfWidth}, long{f.lfEscapement}, long{f.lfOrientation},
          long{f.lfWeight}, long{f.lfItalic}, long{f.lfUnderline}, long{f.lfStrikeOut},
          long{f.lfCharSet}, long{f.lfOutPrecision}, long{f.lfClipPrecision}, long{f.lfQuality},
          long{f.lfPitchAndFamily}})
        text += std::to_string(value) + " ";
    const COLORREF color = font.GetColor();
    text += "rgb(" + std::to_string(GetRValue(color)) + "," + std::to_string(GetGValue(color)) +
            "," + std::to_string(GetBValue(color)) + ") ";
    return text + "[" + f.lfFaceName + "]";
}
} // namespace

TEST(BannerFont, AFaceNameGivesASixteenPixelCellInThatFace) {
    const CBannerFont font("Arial");
    EXPECT_EQ(Describe(font), "16 0 0 0 400 0 0 0 0 0 0 2 18 rgb(0,0,0) [Arial]");
    // Where Arial itself is missing, its metric-compatible stand-in, never
    // the serif face that the family bits alone would ask for.
    const QString family = QFontInfo(font.GetQFont()).family();
    EXPECT_TRUE(family == "Arial" || family == "Liberation Sans") << family.toStdString();
}

TEST(BannerFont, ParseSpecReadsSixteenNumbersAndTheFaceName) {
    const std::string longFace = "Abcdefghij Klmnopqrst Uvwxyz 0123456789";
    const struct {
        const char* name;
        std::string description;
        const char* font;
    } cases[] = {
        {"a full description", "-13,0,0,0,700,1,1,0,0,3,2,1,34,10,20,30,Times New Roman",
         "-13 0 0 0 700 1 1 0 0 3 2 1 34 rgb(10,20,30) [Times New Roman]"},
        {"fewer commas", "12,0,0,0,700,1,Courier",
         "12 0 0 0 700 1 0 0 0 0 0 0 0 rgb(0,0,0) [Courier]"},
        {"the text after the last comma is the face", "20,Wide,Serif",
         "20 0 0 0 0 0 0 0 0 0 0 0 0 rgb(0,0,0) [Serif]"},
        {"no comma", "Arial Black", "0 0 0 0 0 0 0 0 0 0 0 0 0 rgb(0,0,0) [Arial Black]"},
        {"commas in the face name", "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,Face, with, commas",
         "1 2 3 4 5 6 7 8 9 10 11 12 13 rgb(14,15,16) [Face, with, commas]"},
        {"signs and blanks", "  +12, -3,\t7px,abc,-,+,- 4,0x1F,,,,,,,,",
         "12 -3 7 0 0 0 0 0 0 0 0 0 0 rgb(0,0,0) []"},
        {"flags and colour keep 8 bits", "0,0,0,0,0,257,-1,300,0,0,0,0,0,256,-1,511,",
         "0 0 0 0 0 1 255 44 0 0 0 0 0 rgb(0,255,255) []"},
        {"numbers beyond 32 bits", "99999999999,-99999999999,2147483648,-2147483649,4,F",
         "2147483647 -2147483648 2147483647 -2147483648 4 0 0 0 0 0 0 0 0 rgb(0,0,0) [F]"},
        {"a face name over 31 characters", "16,0,0,0,400,0,0,0,0,0,0,0,0,0,0,0," + longFace,
         "16 0 0 0 400 0 0 0 0 0 0 0 0 rgb(0,0,0) [Abcdefghij Klmnopqrst Uvwxyz 01]"},
    };
    for (const auto& c : cases) {
        CBannerFont font("Arial");
        font.ParseSpec(c.description);
        EXPECT_EQ(Describe(font), c.font) << c.name;
    }
}

TEST(BannerFont, SetColorKeepsTheLow8BitsOfEachComponent) {
    CBannerFont font("Arial");
    font.SetColor(1, 2, 3);
    EXPECT_EQ(font.GetColor(), RGB(1, 2, 3));
    font.SetColor(0x1FF, -2, 0x100);
    EXPECT_EQ(font.GetColor(), RGB(255, 254, 0));
}
