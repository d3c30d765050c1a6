#pragma once

#include "words/SpellCheckWalk.h"

#include <QDialog>

class AppContext;
class QLabel;
class QLineEdit;
class QListWidget;

/**
 * "Spelling Suggestions": one string the dictionary did not accept, with its suggestions, and
 * "&Replace", "&Ignore", "&Add" (to the inclusion list in use) and "A&bort". Made once for a spell
 * check and asked again for each string. Closing it any other way aborts the check.
 */
class TSpellSuggestions : public QDialog {
    Q_OBJECT
public:
    /** languageName is the dictionary's name in the heading ("American"). */
    TSpellSuggestions(AppContext& context, const QString& languageName, QWidget* parent = nullptr);

    /** Shows the string and its suggestions (the first selected) modally; returns the answer. */
    SpellDecision Ask(const QString& text, const QStringList& suggestions);

    void ReplaceClick();
    void IgnoreClick();
    /** Stores the string in the inclusion list; a list that cannot be written is reported and the dialog stays. */
    void AddClick();
    void AbortClick();

protected:
    void showEvent(QShowEvent* event) override;

public slots:
    void reject() override;

private:
    void finish(SpellDecision decision);

    AppContext& m_context;
    QLineEdit* m_word = nullptr;
    QListWidget* m_suggestions = nullptr;
    SpellDecision m_decision;
};
