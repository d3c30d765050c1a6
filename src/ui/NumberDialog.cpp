#include "ui/NumberDialog.h"

#include "ui/AppContext.h"
#include "ui/MessageService.h"
#include "ui/WindowSetup.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

/** Reads the field: trimmed, a whole number; anything else (and empty) counts as 0. */
int FieldValue(const QLineEdit* field)
{
    bool ok = false;
    const int value = field->text().trimmed().toInt(&ok);
    return ok ? value : 0;
}

QPushButton* NamedButton(QWidget* parent, const QString& text, const QString& name)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    return button;
}

} // namespace

TNumberDialog::TNumberDialog(AppContext& context, const Setup& setup, QWidget* parent)
    : QDialog(parent), m_context(context), m_setup(setup)
{
    setObjectName(setup.ObjectName);
    setWindowTitle(setup.Caption);
    setModal(true);
    auto* label = new QLabel(setup.Label, this);
    m_field = new QLineEdit(QString::number(setup.Preset), this);
    m_field->setObjectName(setup.FieldName);
    m_field->setMaxLength(setup.Digits);
    label->setBuddy(m_field);
    auto* acceptButton = NamedButton(this, setup.AcceptText, setup.AcceptName);
    acceptButton->setDefault(true);
    auto* cancel = NamedButton(this, QStringLiteral("&Cancel"), QStringLiteral("CancelButton"));
    connect(acceptButton, &QPushButton::clicked, this, &TNumberDialog::AcceptClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(m_field);
    layout->addLayout(row);
    if (!setup.Explanation.isEmpty()) {
        auto* explanation = new QLabel(setup.Explanation, this);
        explanation->setWordWrap(true);
        layout->addWidget(explanation);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(acceptButton);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    resize(setup.DesignSize);
}

void TNumberDialog::showEvent(QShowEvent* event)
{
    PrepareDialog(this, m_context);
    QDialog::showEvent(event);
}

void TNumberDialog::AcceptClick()
{
    const int value = FieldValue(m_field);
    const bool aboveMaximum = m_setup.Maximum >= m_setup.Minimum && value > m_setup.Maximum;
    if (value < m_setup.Minimum || aboveMaximum) {
        MessageService::error(this, m_setup.Refusal);
        m_field->setFocus();
        return;
    }
    m_value = value;
    accept();
}
