#include "framework/stdcontrols/internal/ButtonWidget.h"

#include "framework/paint/CDC.h"
#include "framework/stdcontrols/CButton.h"
#include "framework/stdcontrols/DrawItemStruct.h"
#include "framework/types/WinMessages.h"
#include "framework/types/WinStyles.h"
#include "framework/window/internal/WndRecord.h"

#include <QMouseEvent>
#include <QPainter>

ButtonWidget::ButtonWidget(QWidget* parent) : QPushButton(parent) {
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this,
            [this] { WndRecord::NotifyParent(this, BN_CLICKED); });
}

DWORD ButtonWidget::ButtonType() const {
    return m_style & BS_TYPEMASK;
}

void ButtonWidget::SetDisplayText(const QString& text) {
    setText(text);
    setShortcut(QKeySequence());
}

void ButtonWidget::ApplyStyle(DWORD style, DWORD) {
    m_style = style;
    setFocusPolicy(style & WS_TABSTOP ? Qt::StrongFocus : Qt::ClickFocus);
    update();
}

bool ButtonWidget::OwnerDrawn() const {
    return ButtonType() == BS_OWNERDRAW;
}

void ButtonWidget::paintEvent(QPaintEvent* event) {
    if (!OwnerDrawn()) {
        QPushButton::paintEvent(event);
        return;
    }
    auto* button = dynamic_cast<CButton*>(CWnd::FromHandle(this));
    if (button == nullptr)
        return;
    QPainter painter(this);
    CDC dc(&painter);
    DRAWITEMSTRUCT item;
    item.CtlType = ODT_BUTTON;
    item.CtlID = static_cast<UINT>(WndRecord::Of(this).Id());
    if (isDown())
        item.itemState |= ODS_SELECTED;
    if (hasFocus())
        item.itemState |= ODS_FOCUS;
    if (!isEnabled())
        item.itemState |= ODS_DISABLED;
    item.pDC = &dc;
    item.rcItem = CRect(0, 0, width(), height());
    button->DrawItem(&item);
}

void ButtonWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (!OwnerDrawn() || event->button() != Qt::LeftButton) {
        QPushButton::mouseDoubleClickEvent(event);
        return;
    }
    event->accept();
    WndRecord::NotifyParent(this, BN_DOUBLECLICKED);
}
