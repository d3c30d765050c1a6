#include "pages/ui/MultiCopies.h"

#include "ui/AppContext.h"
#include "ui/MessageService.h"
#include "ui/WindowSetup.h"
#include "ui/NumberField.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

/** Digits of the copies field. */
constexpr int CopiesDigits = 3;

} // namespace

TMultiCopies::TMultiCopies(AppContext& context, QWidget* parent)
    : QDialog(parent), m_context(context)
{
    setObjectName(QStringLiteral("MultiCopies"));
    setWindowTitle(QStringLiteral("Multi-Copies"));
    setModal(true);
    auto* label = new QLabel(QStringLiteral("Copies To Print"), this);
    m_field = NumberField::Make(this, QStringLiteral("CopiesBox"), CopiesDigits, 1);
    label->setBuddy(m_field);
    auto* ok = NumberField::Button(this, QStringLiteral("&Ok"), QStringLiteral("OkButton"));
    ok->setDefault(true);
    auto* cancel = NumberField::Button(this, QStringLiteral("&Cancel"), QStringLiteral("CancelButton"));
    connect(ok, &QPushButton::clicked, this, &TMultiCopies::OkClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(m_field);
    layout->addLayout(row);
    layout->addLayout(NumberField::ButtonRow(ok, cancel));
    resize(240, 90);
}

void TMultiCopies::showEvent(QShowEvent* event)
{
    PrepareDialog(this, m_context);
    QDialog::showEvent(event);
}

void TMultiCopies::OkClick()
{
    const int copies = NumberField::Value(m_field);
    if (copies < 1) {
        MessageService::error(this, QStringLiteral("Invalid number of copies entered."));
        m_field->setFocus();
        return;
    }
    m_copies = copies;
    accept();
}
