#include "framework/stdcontrols/internal/CheckBoxWidget.h"

#include "framework/types/WinMessages.h"
#include "framework/types/WinStyles.h"
#include "framework/window/internal/WndRecord.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

CheckBoxWidget::CheckBoxWidget(QWidget* parent) : QCheckBox(parent) {
    connect(this, &QCheckBox::clicked, this, [this] { WndRecord::NotifyParent(this, BN_CLICKED); });
}

void CheckBoxWidget::SetDisplayText(const QString& text) {
    setText(text);
    setShortcut(QKeySequence());
}

void CheckBoxWidget::ApplyStyle(DWORD style, DWORD) {
    m_style = style;
    setFocusPolicy(style & WS_TABSTOP ? Qt::StrongFocus : Qt::ClickFocus);
    update();
}

void CheckBoxWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    QRect box = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
    box.moveTop((height() - box.height()) / 2);
    option.rect = box;
    style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, &painter, this);

    const int gap = style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, this);
    const QRect label(box.right() + 1 + gap, 0, width() - box.right() - 1 - gap, height());
    int flags = Qt::AlignVCenter | Qt::TextShowMnemonic;
    flags |= (m_style & BS_CENTER) == BS_CENTER ? Qt::AlignHCenter : Qt::AlignLeft;
    if (m_style & BS_MULTILINE)
        flags |= Qt::TextWordWrap;
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(label, flags, text());
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = painter.boundingRect(label, flags, text()).adjusted(-1, 0, 1, 0) & rect();
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

bool CheckBoxWidget::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}
