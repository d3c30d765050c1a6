#pragma once

#include "build/Engine.h"

#include <QDialog>
#include <cstdint>

class AppContext;
class QLabel;
class QPushButton;

/**
 * The progress window of a construction run of more than one attempt ("Building Puzzles"). When
 * first shown it runs the engine on the context's working puzzle and shape, with itself as the
 * engine's progress link: the status line names each attempt, the events that arrive between
 * attempts (repaints, the Abort click) are handled, and the run stops after the attempt in progress
 * once Abort was clicked. The results go to the context's candidate slots. Afterwards the button
 * reads "&Ok" and closes the window.
 */
class TCreationAttempts : public QDialog, public TBuildProgress {
    Q_OBJECT
public:
    TCreationAttempts(AppContext& context, const TBuildOptions& options, std::uint32_t seed, QWidget* parent = nullptr);

    /** The status line ("Creation Attempt #n", "Aborted on creation Attempt #n"). */
    QString statusLine() const;
    /** The second line ("Completed" after a full run). */
    QString secondLine() const;
    /** Whether the engine is running. */
    bool isRunning() const { return m_running; }
    /** Whether the run has ended. */
    bool isFinished() const { return m_finished; }

    void setStatusLine(const QString& text) override;
    void setSecondLine(const QString& text) override;
    bool abortRequested() override { return m_abortRequested; }
    void processEvents() override;
    void beep() override;

    /** The button: "&Abort" asks the run to stop, "&Ok" closes the window. */
    void CancelClick();

public slots:
    /** Escape and the close button abort a run in progress, and close the window after it. */
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void runEngine();

    AppContext& m_context;
    TBuildOptions m_options;
    std::uint32_t m_seed;
    bool m_abortRequested = false;
    bool m_started = false;
    bool m_running = false;
    bool m_finished = false;
    QLabel* m_status = nullptr;
    QLabel* m_second = nullptr;
    QPushButton* m_cancel = nullptr;
};
