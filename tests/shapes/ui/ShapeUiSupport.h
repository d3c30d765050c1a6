#pragma once
// Helpers for the shape window tests: acting on modal dialogs and reading pictures.

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace ShapeUi {

/**
 * Acts on the next modal dialog of type T once it is running (opened with exec() inside a command);
 * the action must close it. Polls until the dialog appears; the returned timer (deleted once it has
 * acted) lets a test stop waiting for a dialog that never came.
 */
template <class T>
QTimer* OnModal(std::function<void(T*)> act)
{
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            act(dialog);
        }
    });
    timer->start();
    return timer;
}

/** The picture of a widget as it is drawn now. */
inline QImage Picture(QWidget* widget)
{
    return widget->grab().toImage();
}

/** Saves the picture of a window when QUORVEX_SCREENSHOTS names a directory (for looking at it). */
inline void SaveScreenshot(QWidget* window, const QString& name)
{
    const QString dir = qEnvironmentVariable("QUORVEX_SCREENSHOTS");
    if (!dir.isEmpty())
        window->grab().save(QDir(dir).filePath(name + QStringLiteral(".png")));
}

} // namespace ShapeUi
