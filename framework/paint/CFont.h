#pragma once

#include "framework/paint/CGdiObject.h"

#include <QFont>
#include <cstdint>
#include <string_view>

constexpr int LF_FACESIZE = 32;

// A font description with the Windows layout (60 bytes).
struct LOGFONT {
    int32_t lfHeight = 0; // > 0: cell height, < 0: character height, 0: default
    int32_t lfWidth = 0;
    int32_t lfEscapement = 0;
    int32_t lfOrientation = 0;
    int32_t lfWeight = 0; // 0: default, else 1..1000 (FW_NORMAL, FW_BOLD)
    BYTE lfItalic = 0;
    BYTE lfUnderline = 0;
    BYTE lfStrikeOut = 0;
    BYTE lfCharSet = 0;
    BYTE lfOutPrecision = 0;
    BYTE lfClipPrecision = 0;
    BYTE lfQuality = 0;
    BYTE lfPitchAndFamily = 0;
    char lfFaceName[LF_FACESIZE] = {}; // bytes, zero-terminated
};
static_assert(sizeof(LOGFONT) == 60);

// Copies `face` into the description's face name: at most LF_FACESIZE - 1
// bytes, cut before a character that would not fit whole, zero-terminated.
void SetFaceName(LOGFONT* logFont, std::string_view face);

// A font: a LOGFONT and the Qt font that stands for it. Width, escapement,
// orientation, character set and the precisions are kept but not rendered;
// the desktop's font matching picks a face where the named one is missing.
class CFont : public CGdiObject {
public:
    CFont() = default;
    ~CFont() override;

    BOOL CreateFontIndirect(const LOGFONT* logFont);
    // Takes a Qt font (a window's font) as it is, described by a LOGFONT with
    // its family, character height in pixels, weight, style and quality.
    BOOL CreateFromQFont(const QFont& font);
    // The description (GetObject of a font); 0 when no resource is held.
    int GetLogFont(LOGFONT* logFont) const;
    // The font to draw with.
    const QFont& GetQFont() const { return m_font; }

private:
    void Release() override;
    LOGFONT m_logFont;
    QFont m_font;
};
