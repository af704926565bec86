#pragma once

#include <QUrl>
#include <QWidget>
#include <string>

class QTextBrowser;

// The help window: a manual in HTML, browsed as in a web browser (links
// inside the manual are followed, Alt+Left goes back, Alt+Right forward),
// under the manual's title. Escape closes it; a closed window deletes
// itself. It opens 80 characters wide and 36 lines high, or as much of that
// as the screen holds (ScreenFit).
//
// A modal dialog blocks every window that is not its own. So that the help
// stays usable whatever dialog runs, the window makes itself a transient
// child of the modal window on top whenever it is shown and whenever a modal
// window would block it.
class HelpWindow : public QWidget {
    Q_OBJECT

public:
    explicit HelpWindow(const QUrl& manual);

    // Shows the manual at `topic`, one of its anchors (at its beginning when
    // empty), and brings the window to the front.
    void ShowTopic(const std::string& topic);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void JoinModalWindow();

    QUrl m_manual;
    QTextBrowser* m_browser = nullptr;
};
