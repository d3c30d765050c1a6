#pragma once

#include <QValidator>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

/**
 * Keeps a field to text that Windows-1252 can hold, which is what records, layouts and settings
 * store, without control characters: a character outside it is taken out as it is typed or pasted
 * instead of turning into "?" when the text is saved.
 */
class Windows1252Validator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override;
};

/** Whether a stored text can hold a character typed into a field (control characters cannot). */
bool HoldsInWindows1252(char32_t character);

/** Gives a field (or an editable combo box's field) the validator above. */
void AcceptWindows1252Only(QLineEdit* field);
void AcceptWindows1252Only(QComboBox* box);

/**
 * A text area keeps line breaks and what Windows-1252 can hold: other characters typed or pasted
 * are taken out again at once (as one step with the typing, so undo stays whole).
 */
void AcceptWindows1252Only(QPlainTextEdit* area);
