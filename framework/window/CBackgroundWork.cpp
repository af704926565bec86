#include "framework/window/CBackgroundWork.h"

#include "framework/window/CWnd.h"

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <exception>
#include <future>
#include <system_error>
#include <thread>

namespace {
// Drops the user's input to one window and turns Escape and the close box
// into a stop request while it lives.
class InputGate : public QObject {
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

// The busy cursor while it lives.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

// The usual cursor while it lives, inside a BusyCursor's life.
class UsualCursor {
public:
    UsualCursor() { QApplication::restoreOverrideCursor(); }
    ~UsualCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    UsualCursor(const UsualCursor&) = delete;
    UsualCursor& operator=(const UsualCursor&) = delete;
};
} // namespace

CBackgroundWork::CBackgroundWork(CWnd& window) : m_window(window) {}

CBackgroundWork::~CBackgroundWork() = default;

void CBackgroundWork::Run(const std::function<void()>& work, const std::function<void()>& tick,
                          int intervalMs) {
    // Written by the work's thread before it ends, read here after.
    std::exception_ptr failure;
    const auto guarded = [&] {
        try {
            work();
        } catch (...) {
            failure = std::current_exception();
        }
    };
    {
        InputGate gate(m_window.GetSafeHwnd() ? m_window.GetSafeHwnd()->window() : nullptr, m_stop);
        BusyCursor busy;
        if (!RunOnWorker(guarded, tick, intervalMs))
            guarded();
    }
    tick();
    if (failure)
        std::rethrow_exception(failure);
}

bool CBackgroundWork::RunOnWorker(const std::function<void()>& work,
                                  const std::function<void()>& tick, int intervalMs) {
    QEventLoop loop;
    std::thread worker;
    try {
        worker = std::thread([&] {
            work();
            QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
        });
    } catch (const std::system_error&) {
        return false;
    }
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, &loop, tick);
    timer.start(intervalMs);
    loop.exec();
    worker.join();
    return true;
}

void CBackgroundWork::Call(const std::function<void()>& call) {
    if (QThread::currentThread() == qApp->thread()) {
        UsualCursor usual;
        call();
        return;
    }
    std::promise<void> done;
    QMetaObject::invokeMethod(
        qApp,
        [&] {
            try {
                {
                    UsualCursor usual;
                    call();
                }
                done.set_value();
            } catch (...) {
                done.set_exception(std::current_exception());
            }
        },
        Qt::QueuedConnection);
    done.get_future().get();
}
