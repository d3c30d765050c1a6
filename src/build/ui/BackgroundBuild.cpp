#include "build/ui/BackgroundBuild.h"

#include "ui/WindowSetup.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

/** How often the window looks at the job's progress, milliseconds. */
constexpr int PollInterval = 50;

} // namespace

TBackgroundBuild::TBackgroundBuild(AppContext& context, const QString& caption, Job job, QWidget* parent)
    : QDialog(parent)
    , m_context(context)
    , m_job(std::move(job))
{
    setObjectName(QStringLiteral("BackgroundBuild"));
    setWindowTitle(caption);
    setModal(true);
    m_label = new QLabel(this);
    m_label->setObjectName(QStringLiteral("StatusLabel"));
    m_label->setMinimumWidth(320);
    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("Progress"));
    m_bar->setRange(0, 0);
    m_abortButton = MakeDialogButton("&Abort", "AbortButton", this, true);
    connect(m_abortButton, &QPushButton::clicked, this, &TBackgroundBuild::reject);
    auto* rows = new QVBoxLayout(this);
    rows->addWidget(m_label);
    rows->addWidget(m_bar);
    rows->addWidget(m_abortButton, 0, Qt::AlignHCenter);
}

TBackgroundBuild::~TBackgroundBuild()
{
    m_abort = true;
    if (m_worker.joinable())
        m_worker.join();
}

void TBackgroundBuild::tell(const QString& line, int step, int steps)
{
    const std::lock_guard<std::mutex> hold(m_lock);
    m_line = line;
    m_step = step;
    m_steps = steps;
}

QString TBackgroundBuild::line() const
{
    const std::lock_guard<std::mutex> hold(m_lock);
    return m_line;
}

void TBackgroundBuild::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    PrepareDialog(this, m_context);
    m_worker = std::thread([this] {
        m_job(*this, *this);
        m_done = true;
    });
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &TBackgroundBuild::poll);
    timer->start(PollInterval);
}

void TBackgroundBuild::poll()
{
    {
        const std::lock_guard<std::mutex> hold(m_lock);
        m_label->setText(m_line);
        if (m_steps > 0) {
            m_bar->setRange(0, m_steps);
            m_bar->setValue(m_step);
        }
    }
    if (!m_done || !m_worker.joinable())
        return;
    m_worker.join();
    if (m_abort)
        QDialog::reject();
    else
        accept();
}

void TBackgroundBuild::reject()
{
    // The job stops after the engine's attempt in progress; the window closes when it has.
    m_abort = true;
    m_abortButton->setEnabled(false);
    if (!m_shown || m_done) {
        if (m_worker.joinable())
            m_worker.join();
        QDialog::reject();
    }
}
