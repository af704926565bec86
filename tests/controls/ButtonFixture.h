#pragma once

#include "framework/paint/Icons.h"
#include "framework/paint/internal/ColorRef.h"
#include "tests/controls/ButtonDialog.h"
#include "tests/controls/ScopedPalette.h"
#include "tests/support/PaintCanvas.h"
#include "tests/support/UiDriver.h"

#include <QApplication>
#include <QCursor>
#include <gtest/gtest.h>

// A solid icon of one colour.
inline HICON SolidIcon(COLORREF color, int width = 10, int height = 8) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(ToQColor(color));
    return CreateIconFromImage(image);
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
