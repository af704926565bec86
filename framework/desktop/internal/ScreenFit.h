#pragma once

#include <QObject>

class QWidget;

// A window that the program sizes itself (the help window, the folder
// chooser) keeps within the screen the user works on: its frame, title bar
// and borders included, fits the available area of the active window's
// screen (the primary screen without one). A window manager frames a window
// only once it is shown, so the frame is first taken to be as large as the
// active window's, which the same window manager framed; once the window's
// own frame is known, the window is fitted once more and moved inside the
// area if it sticks out.
class ScreenFit : public QObject {
public:
    // Cuts `window` down to that area; a window that fits keeps its size.
    static void Apply(QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit ScreenFit(QWidget& window);

    QWidget& m_window;
};
