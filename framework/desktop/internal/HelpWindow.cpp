#include "framework/desktop/internal/HelpWindow.h"

#include "framework/desktop/internal/ScreenFit.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QWindow>

HelpWindow::HelpWindow(const QUrl& manual) : QWidget(nullptr, Qt::Window), m_manual(manual) {
    // Members first: making a child sends this window events.
    m_browser = new QTextBrowser(this);
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    connect(m_browser, &QTextBrowser::sourceChanged, this,
            [this] { setWindowTitle(m_browser->documentTitle()); });
    setFocusProxy(m_browser);
    const QFontMetrics metrics = fontMetrics();
    resize(80 * metrics.averageCharWidth(), 36 * metrics.height());
    ScreenFit::Apply(*this);
}

void HelpWindow::ShowTopic(const std::string& topic) {
    QUrl url = m_manual;
    if (!topic.empty())
        url.setFragment(QString::fromStdString(topic));
    // The manual is read once; asked again, the browser only scrolls.
    m_browser->setSource(url);
    JoinModalWindow();
    show();
    raise();
    activateWindow();
    m_browser->setFocus();
}

bool HelpWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowBlocked)
        JoinModalWindow();
    return QWidget::event(event);
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

// A window is not blocked by the modal window it belongs to: Qt lets the
// transient children of the modal window on top take input.
void HelpWindow::JoinModalWindow() {
    QWindow* modal = QGuiApplication::modalWindow();
    if (modal == nullptr)
        return;
    if (windowHandle() == nullptr)
        create();
    if (windowHandle()->transientParent() != modal)
        windowHandle()->setTransientParent(modal);
}
