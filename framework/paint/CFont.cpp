#include "framework/paint/CFont.h"

#include "framework/types/ByteText.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <algorithm>
#include <cstring>

namespace {

QFont::StyleHint StyleHintOf(BYTE pitchAndFamily) {
    switch (pitchAndFamily & 0xF0) {
    case FF_ROMAN:
        return QFont::Serif;
    case FF_SWISS:
        return QFont::SansSerif;
    case FF_MODERN:
        return QFont::TypeWriter;
    case FF_SCRIPT:
        return QFont::Cursive;
    case FF_DECORATIVE:
        return QFont::Decorative;
    default:
        return QFont::AnyStyle;
    }
}

// The largest pixel size whose cell (ascent + descent) fits `cellHeight`.
int PixelSizeForCell(QFont font, int cellHeight) {
    int pixels = cellHeight;
    for (; pixels > 1; --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetrics(font).height() <= cellHeight)
            break;
    }
    return pixels;
}

QFont FontFrom(const LOGFONT& logFont) {
    QFont font = QGuiApplication::font();
    const std::string_view face(logFont.lfFaceName, strnlen(logFont.lfFaceName, LF_FACESIZE));
    // As with GDI's font mapper, a face name outweighs the family bits: a
    // missing "Arial" marked FF_ROMAN should become a sans-serif face.
    const QFont::StyleHint hint = StyleHintOf(logFont.lfPitchAndFamily);
    if (!face.empty()) {
        font.setFamilies({ByteText::ToDisplay(face)});
    } else if (hint != QFont::AnyStyle) {
        font.setStyleHint(hint);
        font.setFamilies({font.defaultFamily()});
    }
    font.setFixedPitch((logFont.lfPitchAndFamily & 0x03) == FIXED_PITCH);
    if (logFont.lfHeight < 0)
        font.setPixelSize(-logFont.lfHeight);
    else if (logFont.lfHeight > 0)
        font.setPixelSize(PixelSizeForCell(font, logFont.lfHeight));
    if (logFont.lfWeight > 0)
        font.setWeight(static_cast<QFont::Weight>(std::min(logFont.lfWeight, 1000)));
    font.setItalic(logFont.lfItalic != 0);
    font.setUnderline(logFont.lfUnderline != 0);
    font.setStrikeOut(logFont.lfStrikeOut != 0);
    if (logFont.lfQuality == NONANTIALIASED_QUALITY)
        font.setStyleStrategy(QFont::NoAntialias);
    else if (logFont.lfQuality == ANTIALIASED_QUALITY)
        font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

} // namespace

void SetFaceName(LOGFONT* logFont, std::string_view face) {
    size_t length = std::min(face.size(), static_cast<size_t>(LF_FACESIZE - 1));
    // Back to the start of a UTF-8 sequence that would be cut.
    while (length > 0 && length < face.size() && (face[length] & 0xC0) == 0x80)
        --length;
    std::memcpy(logFont->lfFaceName, face.data(), length);
    logFont->lfFaceName[length] = '\0';
}

CFont::~CFont() {
    DeleteObject();
}

BOOL CFont::CreateFontIndirect(const LOGFONT* logFont) {
    if (logFont == nullptr)
        return FALSE;
    m_logFont = *logFont;
    m_font = FontFrom(m_logFont);
    MarkCreated();
    return TRUE;
}

BOOL CFont::CreateFromQFont(const QFont& font) {
    LOGFONT logFont;
    logFont.lfHeight = -QFontInfo(font).pixelSize();
    logFont.lfWeight = font.weight();
    logFont.lfItalic = font.italic() ? 1 : 0;
    logFont.lfUnderline = font.underline() ? 1 : 0;
    logFont.lfStrikeOut = font.strikeOut() ? 1 : 0;
    logFont.lfQuality =
        (font.styleStrategy() & QFont::NoAntialias) ? NONANTIALIASED_QUALITY : DEFAULT_QUALITY;
    logFont.lfPitchAndFamily = font.fixedPitch() ? FIXED_PITCH : 0;
    SetFaceName(&logFont, ByteText::FromTyped(font.family()));
    m_logFont = logFont;
    m_font = font;
    MarkCreated();
    return TRUE;
}

int CFont::GetLogFont(LOGFONT* logFont) const {
    if (GetSafeHandle() == nullptr || logFont == nullptr)
        return 0;
    *logFont = m_logFont;
    return static_cast<int>(sizeof(LOGFONT));
}

void CFont::Release() {
    m_logFont = LOGFONT();
    m_font = QFont();
}
