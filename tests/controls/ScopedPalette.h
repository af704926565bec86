#pragma once

// The system colours and the pixel helper that the control tests share.

#include "framework/paint/internal/ColorRef.h"

#include <QApplication>
#include <QImage>
#include <QPalette>
#include <QRect>
#include <utility>

// System colours that tell each role apart, set for the life of the object.
namespace TestColors {
constexpr COLORREF kFace = RGB(200, 190, 180);
constexpr COLORREF kText = RGB(20, 30, 140);
constexpr COLORREF kHighlight = RGB(250, 250, 240);
constexpr COLORREF kLight = RGB(225, 215, 205);
constexpr COLORREF kShadow = RGB(120, 110, 100);
constexpr COLORREF kDarkShadow = RGB(50, 40, 30);
constexpr COLORREF kParent = RGB(10, 120, 30);
constexpr COLORREF kHoverIcon = RGB(0, 200, 0);
constexpr COLORREF kNormalIcon = RGB(255, 0, 255);
} // namespace TestColors

class ScopedPalette {
public:
    ScopedPalette() : m_saved(QApplication::palette()) {
        using namespace TestColors;
        QPalette palette = m_saved;
        for (auto [role, color] : {std::pair{QPalette::Button, kFace},
                                   {QPalette::ButtonText, kText},
                                   {QPalette::Light, kHighlight},
                                   {QPalette::Midlight, kLight},
                                   {QPalette::Dark, kShadow},
                                   {QPalette::Shadow, kDarkShadow},
                                   {QPalette::Window, kParent}})
            palette.setColor(role, ToQColor(color));
        QApplication::setPalette(palette);
    }
    ~ScopedPalette() { QApplication::setPalette(m_saved); }

private:
    QPalette m_saved;
};

// The smallest rectangle holding every pixel of `color`; empty when none.
inline QRect Ink(const QImage& image, COLORREF color) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (ToColorRef(image.pixelColor(x, y)) == color)
                box |= QRect(x, y, 1, 1);
    return box;
}
