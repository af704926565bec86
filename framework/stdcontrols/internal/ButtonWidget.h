#pragma once

#include "framework/window/internal/ControlWidget.h"

#include <QPushButton>

// A push button. With the BS_OWNERDRAW type it paints nothing itself: each
// paint goes to DrawItem of the CButton that stands for it, and a double
// click notifies BN_DOUBLECLICKED instead of pressing the button. A click
// notifies BN_CLICKED. Enter and mnemonics are the dialog's business, so the
// button reacts to neither by itself.
class ButtonWidget : public QPushButton, public ControlWidget {
public:
    explicit ButtonWidget(QWidget* parent);

    DWORD ButtonType() const;
    QString DisplayText() const override { return text(); }
    void SetDisplayText(const QString& text) override;
    void ApplyStyle(DWORD style, DWORD exStyle) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool OwnerDrawn() const;
    DWORD m_style = 0;
};
