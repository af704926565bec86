#include "StaticWidget.h"

#include "WinStyles.h"

#include <QPainter>

StaticWidget::StaticWidget(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
}

void StaticWidget::SetDisplayText(const QString& text) {
    if (text == m_text)
        return;
    m_text = text;
    update();
}

void StaticWidget::ApplyStyle(DWORD style, DWORD exStyle) {
    m_style = style;
    m_exStyle = exStyle;
    update();
}

bool StaticWidget::HasEdge() const {
    return (m_exStyle & WS_EX_STATICEDGE) || (m_style & SS_SUNKEN);
}

void StaticWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QRect area = rect();
    if (HasEdge()) {
        const QColor shadow = palette().color(QPalette::Dark);
        const QColor highlight = palette().color(QPalette::Light);
        painter.fillRect(0, 0, width() - 1, 1, shadow);
        painter.fillRect(0, 0, 1, height() - 1, shadow);
        painter.fillRect(width() - 1, 0, 1, height(), highlight);
        painter.fillRect(0, height() - 1, width(), 1, highlight);
        area.adjust(1, 1, -1, -1);
    }
    const DWORD type = m_style & SS_TYPEMASK;
    int flags = Qt::AlignTop;
    if (type == SS_CENTER)
        flags |= Qt::AlignHCenter;
    else if (type == SS_RIGHT)
        flags |= Qt::AlignRight;
    else
        flags |= Qt::AlignLeft;
    if (!(m_style & SS_NOPREFIX))
        flags |= Qt::TextShowMnemonic;
    const bool wraps = type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT;
    if (wraps && area.height() >= 2 * fontMetrics().height())
        flags |= Qt::TextWordWrap;
    painter.setClipRect(area);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(area, flags, m_text);
}
