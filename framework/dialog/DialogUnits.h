#pragma once

#include "framework/types/CRect.h"

#include <QFont>
#include <string>

// number x numerator / denominator with a 64-bit intermediate, rounded half
// away from zero; -1 when the denominator is 0 or the result does not fit in
// an int (as Windows' MulDiv).
int MulDiv(int number, int numerator, int denominator);

// Dialog units of a font: horizontal units are a quarter of the average
// character width, vertical units an eighth of the font's height, with the
// base units computed as Windows does for a dialog font.
class DialogUnits {
public:
    DialogUnits(int baseX, int baseY) : m_baseX(baseX), m_baseY(baseY) {}
    // Base X = (width of "A".."Z" "a".."z" / 26 + 1) / 2, base Y = the
    // font's height, both in pixels.
    static DialogUnits ForFont(const QFont& font);
    // The font a template names: "MS Sans Serif" and "MS Shell Dlg" stand for
    // the desktop's default user interface font, scaled by pointSize / 8;
    // any other face is looked up with its point size.
    static QFont TemplateFont(const std::string& faceName, int pointSize);

    int BaseX() const { return m_baseX; }
    int BaseY() const { return m_baseY; }
    int ToPixelsX(int x) const { return MulDiv(x, m_baseX, 4); }
    int ToPixelsY(int y) const { return MulDiv(y, m_baseY, 8); }
    // Each edge converted on its own, as MapDialogRect does.
    CRect MapRect(const CRect& rect) const;

private:
    int m_baseX;
    int m_baseY;
};
