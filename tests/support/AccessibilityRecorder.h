#pragma once

#include <QAccessible>
#include <QObject>
#include <QPointer>
#include <QString>
#include <vector>

// Switches Qt's accessibility on, as a screen reader on the desktop would,
// and records what the program announces to it instead of passing it on:
// each event's type, its object and the name the object's interface gives
// at that moment. One recorder at a time; it switches accessibility off
// again when it goes.
class AccessibilityRecorder {
public:
    struct Event {
        QAccessible::Event type;
        QPointer<QObject> object;
        QString name;
    };

    AccessibilityRecorder();
    ~AccessibilityRecorder();
    AccessibilityRecorder(const AccessibilityRecorder&) = delete;
    AccessibilityRecorder& operator=(const AccessibilityRecorder&) = delete;

    // The names announced for `object` with events of `type`, in order.
    std::vector<QString> Names(const QObject* object, QAccessible::Event type) const;

    std::vector<Event> events;

private:
    static void Record(QAccessibleEvent* event);

    QAccessible::UpdateHandler m_previous;
};
