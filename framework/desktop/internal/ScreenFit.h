#pragma once

class QWidget;

// A window that the program sizes itself (the help window, the folder
// chooser) keeps within the screen the user works on: its frame, title bar
// and borders included, fits the available area of the active window's
// screen (the primary screen without one). A window manager frames a window
// only once it is shown, so its frame is taken to be as large as the active
// window's, which the same window manager framed.
class ScreenFit {
public:
    // Cuts `window` down to that area; a window that fits keeps its size.
    static void Apply(QWidget& window);
};
