#pragma once
// A construction job run off the window thread, with a progress line, a bar and Abort.

#include "build/Engine.h"

#include <QDialog>
#include <QString>
#include <atomic>
#include <functional>
#include <mutex>
#include <thread>

class AppContext;
class QLabel;
class QProgressBar;
class QPushButton;

/**
 * Runs a job of engine runs on a worker thread while the window shows its progress: a line, a bar
 * and "&Abort". The job reads its abort request through the TBuildProgress it is given (the
 * engine checks it between attempts) and tells its progress with tell(). When the job returns the
 * window closes: accepted when it ran to its end, rejected after Abort.
 */
class TBackgroundBuild : public QDialog, private TBuildProgress {
    Q_OBJECT
public:
    /** The job; it may call tell() and read aborted() from the worker thread. */
    using Job = std::function<void(TBackgroundBuild& run, TBuildProgress& engine)>;

    TBackgroundBuild(AppContext& context, const QString& caption, Job job, QWidget* parent = nullptr);
    ~TBackgroundBuild() override;

    /** Shows a line and the bar at step of steps (any thread). */
    void tell(const QString& line, int step, int steps);
    /** Whether Abort was clicked (any thread). */
    bool aborted() const { return m_abort; }
    /** The line shown. */
    QString line() const;

public slots:
    /** Abort, Escape and the close button ask the job to stop; the window closes when it has. */
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void setStatusLine(const QString&) override {}
    void setSecondLine(const QString&) override {}
    bool abortRequested() override { return m_abort; }
    void processEvents() override {}
    void beep() override {}
    void poll();

    AppContext& m_context;
    Job m_job;
    bool m_shown = false;
    std::thread m_worker;
    std::atomic<bool> m_abort{false};
    std::atomic<bool> m_done{false};
    mutable std::mutex m_lock;
    QString m_line;
    int m_step = 0;
    int m_steps = 0;
    QLabel* m_label = nullptr;
    QProgressBar* m_bar = nullptr;
    QPushButton* m_abortButton = nullptr;
};
