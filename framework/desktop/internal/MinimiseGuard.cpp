#include "framework/desktop/internal/MinimiseGuard.h"

#include <QEvent>
#include <QWidget>

void MinimiseGuard::Install(QWidget& window) {
    window.installEventFilter(new MinimiseGuard(window));
}

MinimiseGuard::MinimiseGuard(QWidget& window) : QObject(&window), m_window(window) {}

bool MinimiseGuard::eventFilter(QObject* watched, QEvent* event) {
    // Restored once the window manager's change is through, not inside it.
    if (watched == &m_window && event->type() == QEvent::WindowStateChange &&
        m_window.isMinimized() && !(m_window.windowFlags() & Qt::WindowMinimizeButtonHint))
        QMetaObject::invokeMethod(&m_window, &QWidget::showNormal, Qt::QueuedConnection);
    return false;
}
