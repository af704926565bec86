#include "controls/CBannerFont.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <limits>
#include <string_view>

namespace {
constexpr int kSpecNumbers = 16;

// Cuts the text before the first comma off the front of `text`; without a
// comma the token is empty and `text` stays as it is. A comma is never part
// of a multi-byte character, so a byte search finds the right one.
std::string_view NextToken(std::string_view& text) {
    const size_t comma = text.find(',');
    if (comma == std::string_view::npos)
        return {};
    const std::string_view token = text.substr(0, comma);
    text.remove_prefix(comma + 1);
    return token;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// As atol reads a number where long has 32 bits: leading blanks, an optional
// sign, the digits up to the first other character (none: 0), clamped to the
// 32-bit range.
int32_t ReadLong(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        ++i;
    constexpr int64_t kLimit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
    int64_t magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        magnitude = std::min(magnitude * 10 + (text[i] - '0'), kLimit);
    const int64_t value = negative ? -magnitude : magnitude;
    return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}
} // namespace

CBannerFont::CBannerFont(const std::string& faceName) {
    LOGFONT logFont;
    logFont.lfHeight = 16;
    logFont.lfWeight = FW_NORMAL;
    logFont.lfQuality = PROOF_QUALITY;
    logFont.lfPitchAndFamily = VARIABLE_PITCH | FF_ROMAN;
    SetFaceName(&logFont, faceName);
    CreateFontIndirect(&logFont);
}

void CBannerFont::ParseSpec(std::string description) {
    std::string_view rest = description;
    int32_t numbers[kSpecNumbers];
    for (int32_t& number : numbers)
        number = ReadLong(NextToken(rest));

    LOGFONT logFont;
    logFont.lfHeight = numbers[0];
    logFont.lfWidth = numbers[1];
    logFont.lfEscapement = numbers[2];
    logFont.lfOrientation = numbers[3];
    logFont.lfWeight = numbers[4];
    BYTE* flags[] = {&logFont.lfItalic,  &logFont.lfUnderline,     &logFont.lfStrikeOut,
                     &logFont.lfCharSet, &logFont.lfOutPrecision,  &logFont.lfClipPrecision,
                     &logFont.lfQuality, &logFont.lfPitchAndFamily};
    for (size_t i = 0; i < std::size(flags); ++i)
        *flags[i] = static_cast<BYTE>(numbers[5 + i]);
    SetColor(numbers[13], numbers[14], numbers[15]);
    SetFaceName(&logFont, rest);

    DeleteObject();
    CreateFontIndirect(&logFont);
}

void CBannerFont::SetColor(int red, int green, int blue) {
    m_color = RGB(red, green, blue);
}
