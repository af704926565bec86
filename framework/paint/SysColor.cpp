#include "framework/paint/SysColor.h"

#include "framework/paint/internal/ColorRef.h"

#include <QGuiApplication>
#include <QPalette>

COLORREF GetSysColor(int index) {
    const QPalette palette = QGuiApplication::palette();
    const auto active = [&](QPalette::ColorRole role) {
        return ToColorRef(palette.color(QPalette::Active, role));
    };
    switch (index) {
    case COLOR_BTNFACE:
        return active(QPalette::Button);
    case COLOR_BTNTEXT:
        return active(QPalette::ButtonText);
    case COLOR_BTNSHADOW:
        return active(QPalette::Dark);
    case COLOR_BTNHIGHLIGHT:
        return active(QPalette::Light);
    case COLOR_3DLIGHT:
        return active(QPalette::Midlight);
    case COLOR_3DDKSHADOW:
        return active(QPalette::Shadow);
    case COLOR_WINDOW:
        return active(QPalette::Base);
    case COLOR_WINDOWTEXT:
        return active(QPalette::Text);
    case COLOR_GRAYTEXT:
        return ToColorRef(palette.color(QPalette::Disabled, QPalette::Text));
    default:
        return RGB(0, 0, 0);
    }
}
