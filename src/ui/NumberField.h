#pragma once
// Pieces shared by the small number dialogs of the preview (copies, width, JPEG factor).

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace NumberField {

/** Reads a field as the number dialogs do: trimmed, a whole number, anything else (and empty) counts as 0. */
inline int Value(const QLineEdit* field)
{
    bool ok = false;
    const int value = field->text().trimmed().toInt(&ok);
    return ok ? value : 0;
}

/** A number field of at most digits characters, preset with value. */
inline QLineEdit* Make(QWidget* parent, const QString& name, int digits, int value)
{
    auto* field = new QLineEdit(QString::number(value), parent);
    field->setObjectName(name);
    field->setMaxLength(digits);
    return field;
}

/** A push button with its role name. */
inline QPushButton* Button(QWidget* parent, const QString& text, const QString& name)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    return button;
}

/** The dialog's button row, right-aligned. */
inline QHBoxLayout* ButtonRow(QPushButton* ok, QPushButton* cancel)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    return row;
}

} // namespace NumberField
