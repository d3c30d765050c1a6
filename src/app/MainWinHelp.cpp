// The main window's Help menu: help pages, the user manual, the tip of the day and the product
// information windows; and the tip's first showing at start.
#include "app/MainWin.h"

#include "app/ProductInfo.h"
#include "app/TipOfTheDay.h"
#include "app/UserManualNotice.h"
#include "ui/HelpWindow.h"
#include "ui/MessageService.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QTimer>

namespace {

const QString ManualFileName = QStringLiteral("QORVX.PDF");
const QString DataExchangeTopic = QStringLiteral("PUZZLE CONNECTION");

} // namespace

void TMainWin::HelpContents()
{
    ShowHelpContents(this, m_context);
}

void TMainWin::DataExchange()
{
    ShowHelpTopic(this, m_context, DataExchangeTopic);
}

void TMainWin::UserManual()
{
    TUserManualNotice notice(m_context, this);
    if (notice.exec() != QDialog::Accepted)
        return;
    const QString manual = m_context.ProgramFile(ManualFileName);
    if (QFileInfo(manual).isFile()) {
        if (m_hooks.OpenUrl && m_hooks.OpenUrl(QUrl::fromLocalFile(manual)))
            return;
        // No viewer took the document: the user is told where it is, to open it another way.
        MessageService::error(this, QStringLiteral("The User Manual could not be opened: no program to view PDF documents "
                                                   "was found.  The manual is the file ")
                                        + QDir::toNativeSeparators(manual) + QLatin1Char('.'));
        return;
    }
    MessageService::error(this, QStringLiteral("The User Manual could not be located.  Please make sure the user manual "
                                               "was installed.  A copy is available at our web site."));
}

void TMainWin::ReviewTips()
{
    if (m_hooks.TipOfTheDay)
        m_hooks.TipOfTheDay();
}

void TMainWin::About()
{
    TProductInfo(m_context, TProductInfo::About, this).exec();
}

void TMainWin::OtherProducts()
{
    TProductInfo(m_context, TProductInfo::OtherProducts, this).exec();
}

void TMainWin::Order()
{
    TProductInfo(m_context, TProductInfo::Order, this).exec();
}

void TMainWin::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isActiveWindow())
        return;
    // Back from another window or program: another copy may have changed the collection meanwhile.
    if (!m_firstActivation) {
        // Not from inside the activation: it can come while a command still holds list rows.
        QTimer::singleShot(0, this, &TMainWin::RelistIfChanged);
        return;
    }
    m_firstActivation = false;
    if (m_context.settings.ShowTips) {
        // Shown once the activation has been handled, not from inside it.
        QTimer::singleShot(0, this, [this] { ReviewTips(); });
    }
}
