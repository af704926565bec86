#include "CBackgroundWork.h"

#include "CWnd.h"

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>
#include <future>
#include <thread>

// Drops the user's input to one window and turns Escape and the close box
// into a stop request.
class CBackgroundWork::InputGate : public QObject {
public:
    InputGate(QWidget* window, std::atomic<bool>& stop) : m_window(window), m_stop(stop) {
        qApp->installEventFilter(this);
    }
    ~InputGate() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        QWidget* widget = qobject_cast<QWidget*>(watched);
        if (widget == nullptr || widget->window() != m_window)
            return false;
        switch (event->type()) {
        case QEvent::Close:
            if (widget == m_window) {
                m_stop = true;
                event->ignore();
                return true;
            }
            return false;
        case QEvent::KeyPress:
            if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
                m_stop = true;
            return true;
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::KeyRelease:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::Enter:
        case QEvent::HoverEnter:
        case QEvent::HoverMove:
            return true;
        default:
            return false;
        }
    }

private:
    QWidget* m_window;
    std::atomic<bool>& m_stop;
};

CBackgroundWork::CBackgroundWork(CWnd& window) : m_window(window) {}

CBackgroundWork::~CBackgroundWork() = default;

void CBackgroundWork::Run(const std::function<void()>& work, const std::function<void()>& tick,
                          int intervalMs) {
    QWidget* window = m_window.GetSafeHwnd() ? m_window.GetSafeHwnd()->window() : nullptr;
    m_gate = std::make_unique<InputGate>(window, m_stop);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QEventLoop loop;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, &loop, tick);
    timer.start(intervalMs);
    std::thread worker([&] {
        work();
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec();
    worker.join();
    timer.stop();
    QApplication::restoreOverrideCursor();
    m_gate.reset();
    tick();
}

void CBackgroundWork::Call(const std::function<void()>& call) {
    std::promise<void> done;
    QMetaObject::invokeMethod(
        qApp,
        [&] {
            QApplication::restoreOverrideCursor();
            call();
            QApplication::setOverrideCursor(Qt::WaitCursor);
            done.set_value();
        },
        Qt::QueuedConnection);
    done.get_future().wait();
}
