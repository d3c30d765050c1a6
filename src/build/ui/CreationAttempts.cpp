#include "build/ui/CreationAttempts.h"

#include "build/BuildRun.h"
#include "build/EngineRun.h"
#include "ui/AppContext.h"
#include "ui/MessageService.h"
#include "ui/WindowSetup.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

/** Design size of the window before scaling. */
constexpr int DesignWidth = 280;
constexpr int DesignHeight = 150;

} // namespace

TCreationAttempts::TCreationAttempts(AppContext& context, const TBuildOptions& options, std::uint32_t seed,
                                     QWidget* parent)
    : QDialog(parent)
    , m_context(context)
    , m_options(options)
    , m_seed(seed)
{
    setObjectName(QStringLiteral("TCreationAttempts"));
    setWindowTitle(QStringLiteral("Building Puzzles"));
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("StatusLine"));
    m_status->setAlignment(Qt::AlignCenter);
    m_second = new QLabel(this);
    m_second->setObjectName(QStringLiteral("SecondLine"));
    m_second->setAlignment(Qt::AlignCenter);
    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("AttemptsBar"));
    m_bar->setRange(0, std::clamp(options.Attempts, Limits::MinAttempts, Limits::MaxAttempts));
    m_bar->setValue(0);
    m_bar->setFormat(QStringLiteral("%v of %m attempts"));
    m_best = new QLabel(this);
    m_best->setObjectName(QStringLiteral("BestResult"));
    m_best->setAlignment(Qt::AlignCenter);
    m_cancel = new QPushButton(QStringLiteral("&Abort"), this);
    m_cancel->setObjectName(QStringLiteral("Cancel"));
    m_cancel->setDefault(true);
    layout->addWidget(m_status);
    layout->addWidget(m_second);
    layout->addWidget(m_bar);
    layout->addWidget(m_best);
    layout->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_cancel);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    connect(m_cancel, &QPushButton::clicked, this, &TCreationAttempts::CancelClick);
    resize(DesignWidth, DesignHeight);
    m_run = std::make_unique<TBuildRun>(m_context.Working.CurrentPuzzle, m_context.CurrentShape, m_options, m_seed,
                                        m_context.Candidates());
}

QString TCreationAttempts::statusLine() const
{
    return m_status->text();
}

QString TCreationAttempts::secondLine() const
{
    return m_second->text();
}

void TCreationAttempts::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_started) {
        m_started = true;
        PrepareDialog(this, m_context);
        // The run starts once the window is up, from the event loop of its exec().
        QTimer::singleShot(0, this, &TCreationAttempts::runEngine);
    }
}

TCreationAttempts::~TCreationAttempts()
{
    // Stops a run still going (the window closed by its owner) before the window goes.
    m_run.reset();
}

void TCreationAttempts::runEngine()
{
    m_running = true;
    // Called on the worker: it only posts the message that makes this window read the progress.
    m_run->Start([this] { QMetaObject::invokeMethod(this, &TCreationAttempts::showProgress, Qt::QueuedConnection); });
}

void TCreationAttempts::showProgress()
{
    if (!m_running)
        return;
    const TBuildRun::Progress progress = m_run->Read();
    m_status->setText(progress.StatusLine);
    m_second->setText(progress.SecondLine);
    m_bar->setValue(progress.AttemptsDone);
    if (progress.AttemptsDone > 0)
        m_best->setText(QStringLiteral("Best so far: %1 of %2 words placed")
                            .arg(progress.BestScore)
                            .arg(EngineRun::RunWordCount(m_context.Working.CurrentPuzzle)));
    if (!progress.Finished)
        return;
    m_context.Candidates() = m_run->Result();
    m_run.reset();
    m_running = false;
    m_finished = true;
    m_cancel->setText(QStringLiteral("&Ok"));
    if (progress.Beep)
        MessageService::instance().beep();
}

void TCreationAttempts::CancelClick()
{
    if (m_finished)
        accept();
    else
        m_run->RequestAbort();
}

void TCreationAttempts::reject()
{
    // The candidates are only complete once the engine has returned, so the window waits for it.
    if (m_finished)
        QDialog::reject();
    else
        m_run->RequestAbort();
}
