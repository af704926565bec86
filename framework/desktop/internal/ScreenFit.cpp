#include "framework/desktop/internal/ScreenFit.h"

#include "framework/desktop/internal/WindowPlacement.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QWidget>

namespace {
// What a window's frame adds to its size.
QSize FrameOf(const QWidget& window) {
    return window.frameGeometry().size() - window.size();
}
} // namespace

void ScreenFit::Apply(QWidget& window) {
    const QWidget* active = QApplication::activeWindow();
    const QScreen* screen = active ? active->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    const QSize frame = active ? FrameOf(*active) : QSize(0, 0);
    window.resize(window.size().boundedTo(screen->availableGeometry().size() - frame));
    window.installEventFilter(new ScreenFit(window));
}

ScreenFit::ScreenFit(QWidget& window) : QObject(&window), m_window(window) {}

// Waits for the window's own frame, then fits it once more and goes.
bool ScreenFit::eventFilter(QObject* watched, QEvent*) {
    if (watched != &m_window || !m_window.isVisible() || FrameOf(m_window).isNull())
        return false;
    m_window.removeEventFilter(this);
    deleteLater();
    const QRect area = m_window.screen()->availableGeometry();
    m_window.resize(m_window.size().boundedTo(area.size() - FrameOf(m_window)));
    const QRect frame = m_window.frameGeometry();
    m_window.move(WindowPlacement::FramePosition(frame.size(), frame, area));
    return false;
}
