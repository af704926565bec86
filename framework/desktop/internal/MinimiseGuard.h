#pragma once

#include <QObject>

class QWidget;

// Brings a window without a minimise button of its own (no
// Qt::WindowMinimizeButtonHint) back when the window manager minimises it.
// Some window managers (openbox) put a minimise button on every window
// whatever its hints say, and a modal window out of sight leaves the window
// it blocks with no way back to it.
class MinimiseGuard : public QObject {
public:
    // Guards `window` while it lives.
    static void Install(QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit MinimiseGuard(QWidget& window);

    QWidget& m_window;
};
