#pragma once

#include "tests/support/WaitUntil.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <gtest/gtest.h>

// Bounds the modal loops that a test runs and ends from timers: when the
// deadline passes while the object lives, the test fails and every modal
// dialog still open is ended, so that a dialog the test failed to close
// cannot hold the test until the runner's timeout.
class ModalDeadline {
public:
    explicit ModalDeadline(std::chrono::milliseconds deadline = kTestDeadline) {
        m_timer.setSingleShot(true);
        QObject::connect(&m_timer, &QTimer::timeout, [] {
            ADD_FAILURE() << "a modal loop was still running at the deadline";
            for (QWidget* window : QApplication::topLevelWidgets())
                if (auto* dialog = qobject_cast<QDialog*>(window); dialog && dialog->isModal())
                    dialog->done(QDialog::Rejected);
        });
        m_timer.start(deadline);
    }

private:
    QTimer m_timer;
};
