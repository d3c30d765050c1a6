#pragma once

#include <QDialog>
#include <functional>

class AppContext;
class QLabel;
class QPushButton;

/**
 * The status window of a print run ("Report Status Screen"): the label "Printing Status", a
 * status line and a Cancel button. Shown, it starts the run it was given; Cancel during the run
 * asks it to stop. At the end the line reads "Puzzle Generated!" or "Puzzle Generation
 * Canceled!" and the button turns into OK, which closes the window.
 */
class TReportStatus : public QDialog {
    Q_OBJECT

public:
    /** The run: gets a function telling whether Cancel was pressed, returns false when it stopped early. */
    using Run = std::function<bool(const std::function<bool()>& aborted)>;

    TReportStatus(AppContext& context, Run run, QWidget* parent = nullptr);

    /** True when the run was cancelled (or has not run). */
    bool Canceled() const { return m_canceled; }
    /** The status line as shown. */
    QString StatusText() const;

protected:
    void showEvent(QShowEvent* event) override;
    void reject() override;

private:
    void StartRun();
    void CancelClick();

    AppContext& m_context;
    Run m_run;
    QLabel* m_status = nullptr;
    QPushButton* m_button = nullptr;
    bool m_started = false;
    bool m_running = false;
    bool m_cancelRequested = false;
    bool m_canceled = true;
};
