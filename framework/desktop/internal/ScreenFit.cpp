#include "ScreenFit.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>

void ScreenFit::Apply(QWidget& window) {
    const QWidget* active = QApplication::activeWindow();
    const QScreen* screen = active ? active->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    const QSize frame = active ? active->frameGeometry().size() - active->size() : QSize(0, 0);
    window.resize(window.size().boundedTo(screen->availableGeometry().size() - frame));
}
