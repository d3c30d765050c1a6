#pragma once

#include "build/Engine.h"

#include <QDialog>
#include <cstdint>
#include <memory>

class AppContext;
class QLabel;
class QProgressBar;
class QPushButton;
class TBuildRun;

/**
 * The progress window of a construction run of more than one attempt ("Building Puzzles"). When
 * first shown it starts the engine on a worker thread (TBuildRun) over copies of the context's
 * working puzzle and shape. The status line names each attempt, a bar shows the attempts done and
 * a line the best result so far; the window stays responsive throughout, and the run stops after
 * the attempt in progress once Abort was clicked. The results go to the context's candidate slots
 * when the engine has returned. Afterwards the button reads "&Ok" and closes the window.
 */
class TCreationAttempts : public QDialog {
    Q_OBJECT
public:
    TCreationAttempts(AppContext& context, const TBuildOptions& options, std::uint32_t seed, QWidget* parent = nullptr);
    ~TCreationAttempts() override;

    /** The status line ("Creation Attempt #n", "Aborted on creation Attempt #n"). */
    QString statusLine() const;
    /** The second line ("Completed" after a full run). */
    QString secondLine() const;
    /** Whether the engine is running. */
    bool isRunning() const { return m_running; }
    /** Whether the run has ended. */
    bool isFinished() const { return m_finished; }

    /** The button: "&Abort" asks the run to stop, "&Ok" closes the window. */
    void CancelClick();

public slots:
    /** Escape and the close button abort a run in progress, and close the window after it. */
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void runEngine();
    /** Shows the run's latest progress; at its end takes the candidates and offers "&Ok". */
    void showProgress();

    AppContext& m_context;
    TBuildOptions m_options;
    std::uint32_t m_seed;
    std::unique_ptr<TBuildRun> m_run;
    bool m_started = false;
    bool m_running = false;
    bool m_finished = false;
    QLabel* m_status = nullptr;
    QLabel* m_second = nullptr;
    QProgressBar* m_bar = nullptr;
    QLabel* m_best = nullptr;
    QPushButton* m_cancel = nullptr;
};
