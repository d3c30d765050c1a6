#pragma once

#include <QPushButton>
#include <QString>

/** A push button of the spelling dialogs with its object name; Return does not press it unless it is the default. */
inline QPushButton* MakeDialogButton(const QString& caption, const char* name, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}
