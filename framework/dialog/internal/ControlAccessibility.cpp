#include "framework/dialog/internal/ControlAccessibility.h"

#include "framework/dialog/internal/ControlKind.h"

#include <QAccessible>
#include <QWidget>

namespace {
QAccessibleInterface* Factory(const QString&, QObject* object) {
    const ControlKind* kind = ControlKind::Of(object);
    return kind && kind->makeAccessible ? kind->makeAccessible(object) : nullptr;
}
} // namespace

void ControlAccessibility::Install() {
    static const bool installed = [] {
        QAccessible::installFactory(&Factory);
        return true;
    }();
    (void)installed;
}

void ControlAccessibility::Adopt(QWidget* control) {
    const ControlKind* kind = ControlKind::Of(control);
    if (kind == nullptr || kind->makeAccessible == nullptr || !QAccessible::isActive())
        return;
    QAccessibleInterface* current = QAccessible::queryAccessibleInterface(control);
    if (current != nullptr && !kind->madeAccessible(current))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(current));
}
