#include "framework/stdcontrols/internal/GroupBoxWidget.h"

#include <QPainter>

GroupBoxWidget::GroupBoxWidget(QWidget* parent) : QGroupBox(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void GroupBoxWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    // The frame's top line runs through the middle of the title.
    const int top = metrics.height() / 2;
    const int right = width() - 1, bottom = height() - 1;
    // Etched: a shadow line with a highlight line just inside and below it.
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(1, top + 1, right - 1, bottom - top - 1);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(0, top, right - 1, bottom - top - 1);
    if (title().isEmpty())
        return;
    const int x = metrics.averageCharWidth() + 2;
    const int textWidth = metrics.horizontalAdvance(QString(title()).remove('&'));
    const QRect textRect(x, 0, textWidth + 4, metrics.height());
    painter.fillRect(textRect, palette().color(QPalette::Window));
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(textRect, Qt::AlignCenter | Qt::TextShowMnemonic, title());
}
