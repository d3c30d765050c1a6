#pragma once

#include "words/LexicalSource.h"
#include "words/ui/ClueChoiceTable.h"

#include <QDialog>

class AppContext;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

/**
 * "Theme Words": the kinds and members of a topic ("fruit", "planet", "musical instrument"),
 * most familiar first, each with its drafted clues. A topic of several meanings offers them in
 * `Meaning`; the words of the chosen one are listed with how many were found. "Show rarer words"
 * adds the words pupils seldom know and compounds of listed words; "Classroom words only" (the
 * "Classroom Words" setting) leaves out words unfit for a school puzzle. A thin list names related
 * topics, each a link that looks it up. "&Add" gives the ticked words with their clues to the
 * editor, which puts them into free rows.
 */
class TThemeWords : public QDialog {
    Q_OBJECT
public:
    TThemeWords(AppContext& context, const LexicalSource& source, QWidget* parent = nullptr);

    /** The ticked words (upper case, as the grid shows answers) with their clues. */
    QList<ClueChoiceTable::Choice> Chosen() const { return m_chosen; }

    /** "&Look Up": the meanings of the topic, and the words of the first that has kinds or members. */
    void LookUpClick();

    /** Cancel, Escape and the close box ask before a typed clue is dropped. */
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void listWords();

    AppContext& m_context;
    const LexicalSource& m_source;
    QList<LexicalSense> m_senses;
    QString m_topic;
    QList<ClueChoiceTable::Choice> m_chosen;
    bool m_shown = false;

    QLineEdit* m_topicField = nullptr;
    QComboBox* m_meaning = nullptr;
    QSpinBox* m_count = nullptr;
    QSpinBox* m_shortest = nullptr;
    QSpinBox* m_longest = nullptr;
    QLabel* m_found = nullptr;
    QCheckBox* m_rarer = nullptr;
    QCheckBox* m_classroom = nullptr;
    QLabel* m_related = nullptr;
    ClueChoiceTable* m_table = nullptr;
    QPushButton* m_add = nullptr;
};
