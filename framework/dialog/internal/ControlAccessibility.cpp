#include "framework/dialog/internal/ControlAccessibility.h"

#include "framework/dialog/internal/EditAccessible.h"
#include "framework/dialog/internal/ListBoxAccessible.h"
#include "framework/dialog/internal/StaticAccessible.h"
#include "framework/stdcontrols/internal/EditWidget.h"
#include "framework/stdcontrols/internal/ListBoxWidget.h"
#include "framework/stdcontrols/internal/StaticWidget.h"

#include <QAccessible>

namespace {
// A kind of control with an interface of its own: whether a widget is of the
// kind, its interface, and whether an interface is that one.
struct Kind {
    bool (*holds)(const QObject* object);
    QAccessibleInterface* (*make)(QObject* object);
    bool (*made)(QAccessibleInterface* iface);
};

template <class Widget, class Interface> constexpr Kind KindOf() {
    return {[](const QObject* object) { return dynamic_cast<const Widget*>(object) != nullptr; },
            [](QObject* object) -> QAccessibleInterface* {
                return new Interface(dynamic_cast<Widget*>(object));
            },
            [](QAccessibleInterface* iface) { return dynamic_cast<Interface*>(iface) != nullptr; }};
}

constexpr Kind kKinds[] = {
    KindOf<StaticWidget, StaticAccessible>(),
    KindOf<EditWidget, EditAccessible>(),
    KindOf<ListBoxWidget, ListBoxAccessible>(),
};

const Kind* KindOfWidget(const QObject* object) {
    for (const Kind& kind : kKinds)
        if (kind.holds(object))
            return &kind;
    return nullptr;
}

QAccessibleInterface* Factory(const QString&, QObject* object) {
    const Kind* kind = KindOfWidget(object);
    return kind ? kind->make(object) : nullptr;
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
    const Kind* kind = KindOfWidget(control);
    if (kind == nullptr || !QAccessible::isActive())
        return;
    QAccessibleInterface* current = QAccessible::queryAccessibleInterface(control);
    if (current != nullptr && !kind->made(current))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(current));
}
