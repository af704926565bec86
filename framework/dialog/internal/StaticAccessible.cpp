#include "framework/dialog/internal/StaticAccessible.h"

#include "framework/dialog/internal/ControlLabel.h"
#include "framework/stdcontrols/internal/StaticWidget.h"
#include "framework/types/WinStyles.h"
#include "framework/window/internal/WndRecord.h"

#include <QApplication>
#include <QMouseEvent>

StaticAccessible::StaticAccessible(StaticWidget* widget) : QAccessibleWidget(widget) {}

DWORD StaticAccessible::Style() const {
    const WndRecord* record = WndRecord::Find(widget());
    return record ? record->Style() : 0;
}

bool StaticAccessible::IsLink() const {
    return Style() & WS_TABSTOP;
}

QAccessible::Role StaticAccessible::role() const {
    switch (Style() & SS_TYPEMASK) {
    case SS_ICON:
    case SS_BITMAP:
    case SS_BLACKFRAME:
        return QAccessible::Graphic;
    default:
        return IsLink() ? QAccessible::Link : QAccessible::StaticText;
    }
}

QAccessible::State StaticAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    if (IsLink())
        state.linked = true;
    else
        state.readOnly = true;
    return state;
}

QString StaticAccessible::text(QAccessible::Text t) const {
    if (t != QAccessible::Name || role() == QAccessible::Graphic)
        return QAccessibleWidget::text(t);
    const QString shown = static_cast<const StaticWidget*>(widget())->DisplayText();
    return Style() & SS_NOPREFIX ? shown : ControlLabel::WithoutMnemonics(shown);
}

QStringList StaticAccessible::actionNames() const {
    QStringList names = QAccessibleWidget::actionNames();
    if (IsLink() && widget()->isEnabled())
        names.prepend(pressAction());
    return names;
}

void StaticAccessible::doAction(const QString& actionName) {
    if (actionName != pressAction() || !actionNames().contains(actionName)) {
        QAccessibleWidget::doAction(actionName);
        return;
    }
    // A click in the middle, through the same path as the mouse's.
    const QPoint middle = widget()->rect().center();
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent click(type, middle, widget()->mapToGlobal(middle), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(widget(), &click);
    }
}
