#include "build/ui/CreationAttempts.h"

#include "ui/AppContext.h"
#include "ui/MessageService.h"
#include "ui/WindowSetup.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

/** Design size of the window before scaling. */
constexpr int DesignWidth = 280;
constexpr int DesignHeight = 120;

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
    m_cancel = new QPushButton(QStringLiteral("&Abort"), this);
    m_cancel->setObjectName(QStringLiteral("Cancel"));
    m_cancel->setDefault(true);
    layout->addWidget(m_status);
    layout->addWidget(m_second);
    layout->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_cancel);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    connect(m_cancel, &QPushButton::clicked, this, &TCreationAttempts::CancelClick);
    resize(DesignWidth, DesignHeight);
}

QString TCreationAttempts::statusLine() const
{
    return m_status->text();
}

QString TCreationAttempts::secondLine() const
{
    return m_second->text();
}

void TCreationAttempts::setStatusLine(const QString& text)
{
    m_status->setText(text);
    m_status->repaint();
}

void TCreationAttempts::setSecondLine(const QString& text)
{
    m_second->setText(text);
    m_second->repaint();
}

void TCreationAttempts::processEvents()
{
    QCoreApplication::processEvents();
}

void TCreationAttempts::beep()
{
    MessageService::instance().beep();
}

void TCreationAttempts::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_abortRequested = false;
    if (!m_started) {
        m_started = true;
        PrepareDialog(this, m_context);
        // The run starts once the window is up, from the event loop of its exec().
        QTimer::singleShot(0, this, &TCreationAttempts::runEngine);
    }
}

void TCreationAttempts::runEngine()
{
    m_running = true;
    BuildPuzzles(m_context.Working.CurrentPuzzle, m_context.CurrentShape, m_options, m_seed, this,
                 m_context.Candidates());
    m_running = false;
    m_finished = true;
    m_cancel->setText(QStringLiteral("&Ok"));
}

void TCreationAttempts::CancelClick()
{
    if (m_finished)
        accept();
    else
        m_abortRequested = true;
}

void TCreationAttempts::reject()
{
    // The candidates are only complete once the engine has returned, so the window waits for it.
    if (m_finished)
        QDialog::reject();
    else
        m_abortRequested = true;
}
