#include "framework/dialog/internal/ControlKind.h"

#include "framework/dialog/DialogItem.h"
#include "framework/dialog/internal/EditAccessible.h"
#include "framework/dialog/internal/ListBoxAccessible.h"
#include "framework/dialog/internal/StaticAccessible.h"
#include "framework/stdcontrols/CButton.h"
#include "framework/stdcontrols/CEdit.h"
#include "framework/stdcontrols/CListBox.h"
#include "framework/stdcontrols/CStatic.h"
#include "framework/stdcontrols/internal/ButtonWidget.h"
#include "framework/stdcontrols/internal/CheckBoxWidget.h"
#include "framework/stdcontrols/internal/EditWidget.h"
#include "framework/stdcontrols/internal/GroupBoxWidget.h"
#include "framework/stdcontrols/internal/ListBoxWidget.h"
#include "framework/stdcontrols/internal/StaticWidget.h"

#include <memory>
#include <stdexcept>
#include <type_traits>

namespace {
template <DialogItemClass itemClass> bool ItemOf(const DialogItem& item) {
    return item.itemClass == itemClass;
}

template <DWORD type> bool ButtonOf(const DialogItem& item) {
    return item.itemClass == DialogItemClass::Button && (item.style & BS_TYPEMASK) == type;
}

// The row of a kind whose widget is a `Widget`, whose stand-in a `Control`,
// and whose accessibility interface an `Accessible` (void: Qt's own).
template <class Widget, class Control, class Accessible = void>
constexpr ControlKind Kind(bool (*recognises)(const DialogItem&), bool behind = false) {
    ControlKind kind{};
    kind.recognises = recognises;
    kind.makeWidget = [](QWidget* parent) -> QWidget* { return new Widget(parent); };
    kind.standIn = []() -> std::unique_ptr<CWnd> { return std::make_unique<Control>(); };
    kind.holds = [](const QObject* object) {
        return dynamic_cast<const Widget*>(object) != nullptr;
    };
    if constexpr (!std::is_void_v<Accessible>) {
        kind.makeAccessible = [](QObject* widget) -> QAccessibleInterface* {
            return new Accessible(dynamic_cast<Widget*>(widget));
        };
        kind.madeAccessible = [](QAccessibleInterface* iface) {
            return dynamic_cast<Accessible*>(iface) != nullptr;
        };
    }
    kind.behind = behind;
    return kind;
}

// Push buttons last: a button of any other style is one.
constexpr ControlKind kKinds[] = {
    Kind<EditWidget, CEdit, EditAccessible>(&ItemOf<DialogItemClass::Edit>),
    Kind<ListBoxWidget, CListBox, ListBoxAccessible>(&ItemOf<DialogItemClass::ListBox>),
    Kind<StaticWidget, CStatic, StaticAccessible>(&ItemOf<DialogItemClass::Static>),
    Kind<CheckBoxWidget, CButton>(&ButtonOf<BS_AUTOCHECKBOX>),
    Kind<GroupBoxWidget, CButton>(&ButtonOf<BS_GROUPBOX>, true),
    Kind<ButtonWidget, CButton>(&ItemOf<DialogItemClass::Button>),
};
} // namespace

QWidget* ControlKind::MakeControl(const DialogItem& item, QWidget* parent) {
    for (const ControlKind& kind : kKinds) {
        if (!kind.recognises(item))
            continue;
        QWidget* control = kind.makeWidget(parent);
        WndRecord::Of(control).Define(item.id, kind.standIn, item.style, item.exStyle);
        if (kind.behind)
            control->lower();
        return control;
    }
    throw std::logic_error("no kind of control for template item " + std::to_string(item.id));
}

const ControlKind* ControlKind::Of(const QObject* object) {
    for (const ControlKind& kind : kKinds)
        if (kind.holds(object))
            return &kind;
    return nullptr;
}
