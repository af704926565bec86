#pragma once

#include "ButtonDialog.h"
#include "ColorRef.h"
#include "Icons.h"
#include "PaintCanvas.h"
#include "UiDriver.h"

#include <QApplication>
#include <QCursor>
#include <QPalette>
#include <gtest/gtest.h>

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

// A solid icon of one colour.
inline HICON SolidIcon(COLORREF color, int width = 10, int height = 8) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(ToQColor(color));
    return CreateIconFromImage(image);
}

// The smallest rectangle holding every pixel of `color`; empty when none.
inline QRect Ink(const QImage& image, COLORREF color) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (ToColorRef(image.pixelColor(x, y)) == color)
                box |= QRect(x, y, 1, 1);
    return box;
}

// The ButtonDialog shown and active, each button kWidth x kHeight with the
// hover icon kHoverIcon and the normal icon kNormalIcon (10 x 8).
class ButtonFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dialog.Create());
        ShowActive(dialog);
        // The pointer starts off the dialog, so that moving it onto a button
        // is a move even where the last test left it.
        QCursor::setPos(dialog.m_hWnd->frameGeometry().bottomRight() + QPoint(20, 20));
        for (CIconButton* button : {&dialog.m_exit, &dialog.m_find, &dialog.m_blank}) {
            button->m_hWnd->resize(ButtonDialog::kWidth, ButtonDialog::kHeight);
            button->AttachIcons(SolidIcon(TestColors::kHoverIcon),
                                SolidIcon(TestColors::kNormalIcon));
        }
        QApplication::processEvents();
    }
    QWidget* Widget(const CWnd& button) const { return button.m_hWnd; }

    // What DrawItem paints for `state` on a canvas of the button's size.
    static QImage Paint(CIconButton& button, UINT state = 0) {
        PaintCanvas canvas(ButtonDialog::kWidth, ButtonDialog::kHeight, RGB(1, 2, 3));
        DRAWITEMSTRUCT item;
        item.itemState = state;
        item.pDC = &canvas.dc();
        item.rcItem = CRect(0, 0, ButtonDialog::kWidth, ButtonDialog::kHeight);
        button.DrawItem(&item);
        return canvas.image();
    }

    ScopedPalette palette;
    BoxRecorder boxes;
    ButtonDialog dialog;
};
