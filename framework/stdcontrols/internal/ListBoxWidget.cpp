#include "framework/stdcontrols/internal/ListBoxWidget.h"

#include "framework/types/WinStyles.h"
#include "framework/window/internal/WndRecord.h"

#include <QMouseEvent>
#include <QScrollBar>

ListBoxWidget::ListBoxWidget(QWidget* parent) : QListWidget(parent) {
    setSortingEnabled(false);
    setTextElideMode(Qt::ElideNone);
    setWordWrap(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
}

void ListBoxWidget::ApplyStyle(DWORD style, DWORD exStyle) {
    m_notify = style & LBS_NOTIFY;
    setFocusPolicy(style & WS_TABSTOP ? Qt::StrongFocus : Qt::ClickFocus);
    setSelectionMode(style & LBS_NOSEL ? QAbstractItemView::NoSelection
                                       : QAbstractItemView::SingleSelection);
    setVerticalScrollBarPolicy(style & WS_VSCROLL ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    if (exStyle & WS_EX_STATICEDGE) {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setLineWidth(1);
    } else if (exStyle & WS_EX_CLIENTEDGE) {
        setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    } else if (style & WS_BORDER) {
        setFrameStyle(QFrame::Box | QFrame::Plain);
        setLineWidth(1);
    } else {
        setFrameStyle(QFrame::NoFrame);
    }
}

void ListBoxWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    QListWidget::mouseDoubleClickEvent(event);
    if (m_notify && event->button() == Qt::LeftButton && itemAt(event->position().toPoint()))
        WndRecord::NotifyParent(this, LBN_DBLCLK);
}

void ListBoxWidget::updateGeometries() {
    QListWidget::updateGeometries();
    horizontalScrollBar()->setRange(0, 0);
}
