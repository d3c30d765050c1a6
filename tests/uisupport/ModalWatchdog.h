#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>

/**
 * Closes whatever modal dialog is up once the deadline has passed, and every one after it, so that
 * a test driving nested exec() calls fails instead of waiting forever when a step went wrong.
 */
class ModalWatchdog {
public:
    explicit ModalWatchdog(int deadlineMs)
    {
        m_timer.setInterval(deadlineMs);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            m_timer.setInterval(50);
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                m_fired = true;
                dialog->done(QDialog::Rejected);
            }
        });
        m_timer.start();
    }
    /** Whether a dialog had to be closed. */
    bool fired() const { return m_fired; }

private:
    QTimer m_timer;
    bool m_fired = false;
};
