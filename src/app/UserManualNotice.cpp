#include "app/UserManualNotice.h"

#include "ui/WindowSetup.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TUserManualNotice::TUserManualNotice(AppContext& context, QWidget* parent)
    : QDialog(parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("UserManualNotice"));
    setWindowTitle(QStringLiteral("User Manual Notice"));
    setModal(true);

    auto* text = new QLabel(
        QStringLiteral("The Quorvex user manual is a PDF document (QORVX.PDF) installed with the program.  It "
                       "holds the same pages as the help, one after the other, ready to read or print.  Choose Ok "
                       "to open it with the document viewer of your desktop."),
        this);
    text->setObjectName(QStringLiteral("NoticeText"));
    text->setWordWrap(true);

    QHBoxLayout* buttons = OkCancelRow(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addLayout(buttons);
    resize(380, 150);
}

void TUserManualNotice::showEvent(QShowEvent* event)
{
    PrepareDialog(this, m_context);
    QDialog::showEvent(event);
}
