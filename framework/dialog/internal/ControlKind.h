#pragma once

#include "framework/window/internal/WndRecord.h"

class QAccessibleInterface;
class QObject;
class QWidget;
struct DialogItem;

// A kind of standard control in dialog templates. The table of kinds, one row
// per kind in ControlKind.cpp, says for each how a template item of the kind
// is recognised, the widget made for it, the object that stands in for it
// until the program attaches its own (an object of the kind's class, so that
// GetDlgItem gives a CEdit for an edit), and how screen readers see it. A new
// kind of control is a new row.
struct ControlKind {
    // Whether a template item is of the kind; the first row that says so is
    // the item's kind.
    bool (*recognises)(const DialogItem& item);
    QWidget* (*makeWidget)(QWidget* parent);
    WndRecord::StandInFactory standIn;
    // Whether a widget is the kind's.
    bool (*holds)(const QObject* object);
    // The kind's accessibility interface for a widget of the kind, and whether
    // an interface is that one; both null where Qt's own interface serves.
    QAccessibleInterface* (*makeAccessible)(QObject* widget);
    bool (*madeAccessible)(QAccessibleInterface* iface);
    // Lies below the controls around it, which it frames (a group box).
    bool behind;

    // The widget of a template item in `parent`, its window record defined
    // with the item's id and styles and the kind's stand-in. Throws
    // std::logic_error for an item of no kind.
    static QWidget* MakeControl(const DialogItem& item, QWidget* parent);
    // The kind of a control's widget; null for any other object.
    static const ControlKind* Of(const QObject* object);
};
