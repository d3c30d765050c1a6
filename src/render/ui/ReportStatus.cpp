#include "render/ui/ReportStatus.h"

#include "ui/WindowSetup.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

TReportStatus::TReportStatus(AppContext& context, Run run, QWidget* parent)
    : QDialog(parent)
    , m_context(context)
    , m_run(std::move(run))
{
    setObjectName(QStringLiteral("ReportStatusScreen"));
    setWindowTitle(QStringLiteral("Report Status Screen"));
    setModal(true);

    auto* heading = new QLabel(QStringLiteral("Printing Status"), this);
    heading->setObjectName(QStringLiteral("PrintingStatusLabel"));
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("StatusLabel"));
    m_status->setMinimumWidth(220);
    m_button = new QPushButton(QStringLiteral("Cancel"), this);
    m_button->setObjectName(QStringLiteral("CancelButton"));
    connect(m_button, &QPushButton::clicked, this, &TReportStatus::CancelClick);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_button);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(m_status);
    layout->addLayout(buttons);
    resize(300, 110);
}

QString TReportStatus::StatusText() const
{
    return m_status->text();
}

void TReportStatus::showEvent(QShowEvent* event)
{
    PrepareDialog(this, m_context);
    QDialog::showEvent(event);
    if (!m_started) {
        m_started = true;
        QTimer::singleShot(0, this, &TReportStatus::StartRun);
    }
}

void TReportStatus::StartRun()
{
    m_running = true;
    m_status->setText(QStringLiteral("Printing Page 1"));
    // Between the steps of the run, pending events (Cancel, repaints) get through.
    const auto aborted = [this] {
        QApplication::processEvents();
        return m_cancelRequested;
    };
    const bool finished = m_run ? m_run(aborted) : false;
    m_running = false;
    m_canceled = !finished || m_cancelRequested;
    m_status->setText(m_canceled ? QStringLiteral("Puzzle Generation Canceled!") : QStringLiteral("Puzzle Generated!"));
    m_button->setText(QStringLiteral("OK"));
    m_button->setObjectName(QStringLiteral("OkButton"));
}

void TReportStatus::CancelClick()
{
    if (m_running) {
        m_cancelRequested = true;
        return;
    }
    if (m_started && m_button->objectName() == QLatin1String("OkButton"))
        accept();
    else
        QDialog::reject();
}

void TReportStatus::reject()
{
    // Escape or the close box during the run asks for a stop; the window closes with OK.
    if (m_running) {
        m_cancelRequested = true;
        return;
    }
    QDialog::reject();
}
