#include "tests/support/AccessibilityRecorder.h"

// Qt switches accessibility on only when a desktop bridge asks for it; the
// platform's switch is not public API.
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace {
AccessibilityRecorder* g_current = nullptr;

void SetActive(bool active) {
    if (QPlatformAccessibility* accessibility =
            QGuiApplicationPrivate::platformIntegration()->accessibility())
        accessibility->setActive(active);
}
} // namespace

AccessibilityRecorder::AccessibilityRecorder() {
    g_current = this;
    m_previous = QAccessible::installUpdateHandler(&Record);
    SetActive(true);
}

AccessibilityRecorder::~AccessibilityRecorder() {
    SetActive(false);
    QAccessible::installUpdateHandler(m_previous);
    g_current = nullptr;
}

std::vector<QString> AccessibilityRecorder::Names(const QObject* object,
                                                  QAccessible::Event type) const {
    std::vector<QString> names;
    for (const Event& event : events)
        if (event.object == object && event.type == type)
            names.push_back(event.name);
    return names;
}

void AccessibilityRecorder::Record(QAccessibleEvent* event) {
    if (g_current == nullptr)
        return;
    const QAccessibleInterface* iface = event->accessibleInterface();
    g_current->events.push_back(
        {event->type(), event->object(), iface ? iface->text(QAccessible::Name) : QString()});
}
