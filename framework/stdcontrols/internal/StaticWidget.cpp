#include "framework/stdcontrols/internal/StaticWidget.h"

#include "framework/paint/CDC.h"
#include "framework/paint/Icons.h"
#include "framework/paint/internal/ColorRef.h"
#include "framework/types/WinStyles.h"
#include "framework/window/CWnd.h"

#include <QAccessible>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

StaticWidget::StaticWidget(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
}

void StaticWidget::SetDisplayText(const QString& text) {
    if (text == m_text)
        return;
    m_text = text;
    UpdateIcon();
    update();
    // A reader follows a static (the status line of a search) by its name.
    QAccessibleEvent changed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

void StaticWidget::ApplyStyle(DWORD style, DWORD exStyle) {
    m_style = style;
    m_exStyle = exStyle;
    // Only the keyboard reaches a static that is a tab stop (a link): a click
    // leaves the focus where it is.
    setFocusPolicy(style & WS_TABSTOP ? Qt::TabFocus : Qt::NoFocus);
    UpdateIcon();
    update();
}

bool StaticWidget::HasEdge() const {
    return (m_exStyle & WS_EX_STATICEDGE) || (m_style & SS_SUNKEN);
}

bool StaticWidget::ShowsIcon() const {
    return (m_style & SS_TYPEMASK) == SS_ICON;
}

void StaticWidget::UpdateIcon() {
    m_icon = QImage();
    bool isNumber = false;
    const UINT id = m_text.startsWith(u'#') ? m_text.mid(1).toUInt(&isNumber) : 0;
    if (!ShowsIcon() || !isNumber)
        return;
    HICON icon = LoadIconResource(id);
    if (icon == nullptr)
        return;
    m_icon = icon->image;
    const int edge = HasEdge() ? 2 : 0;
    resize(icon->size + QSize(edge, edge));
    DestroyIcon(icon);
}

void StaticWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    switch (m_style & SS_TYPEMASK) {
    case SS_BLACKFRAME:
        painter.setPen(Qt::black);
        painter.drawRect(0, 0, width() - 1, height() - 1);
        break;
    case SS_BITMAP:
        break;
    default:
        PaintContent(painter);
    }
}

void StaticWidget::PaintContent(QPainter& painter) {
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
    if (ShowsIcon()) {
        if (!m_icon.isNull())
            painter.drawImage(area.topLeft(), m_icon);
        return;
    }
    CDC dc(&painter);
    dc.SetTextColor(ToColorRef(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                               QPalette::WindowText)));
    if (CWnd* parent = CWnd::FromHandle(parentWidget())) {
        const LRESULT brush =
            parent->SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(&dc),
                                reinterpret_cast<LPARAM>(static_cast<HWND>(this)));
        if (brush != 0)
            dc.FillRect(CRect(area.left(), area.top(), area.right() + 1, area.bottom() + 1),
                        reinterpret_cast<HBRUSH>(brush));
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
    painter.setPen(ToQColor(dc.GetTextColor()));
    painter.drawText(area, flags, m_text);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = painter.boundingRect(area, flags, m_text).adjusted(-1, 0, 1, 0) & area;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}
