#pragma once

#include <QDialog>
#include <memory>

class AppContext;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class Thesaurus;

/**
 * "Thesaurus Lookup": looks a word up in one thesaurus and offers its categories, the opposite
 * categories and the synonyms of the chosen one. "&Accept" takes the chosen synonym as the result
 * (the editor writes it into the clue); "&Suggest" offers substitutes for a word the thesaurus
 * does not hold. The thesaurus is open from showing to closing.
 */
class TThesSuggestions : public QDialog {
    Q_OBJECT
public:
    /** thesaurus is 1 (American) or 2 (British); word is the editor's word. */
    TThesSuggestions(AppContext& context, int thesaurus, const QString& word, QWidget* parent = nullptr);
    ~TThesSuggestions() override;

    /** The accepted synonym. */
    QString Result() const { return m_result; }

    /** "&Look Up": the categories, antonyms and synonyms of the trimmed word. */
    void LookUpClick();
    /** "&Suggest": substitute words in TThes2Sugs; the chosen one is looked up. */
    void SuggestClick();
    /** "&Accept": the selected synonym becomes the result. */
    void AcceptClick();

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void loadSynonyms(const QString& shown);
    void categoryClicked(QListWidgetItem* item);
    void antonymClicked(QListWidgetItem* item);

    AppContext& m_context;
    int m_code;
    bool m_shown = false;
    /** The session kept open by the context (null when the thesaurus is missing). */
    Thesaurus* m_thesaurus = nullptr;
    QString m_result;
    QLineEdit* m_word = nullptr;
    QListWidget* m_categories = nullptr;
    QListWidget* m_antonyms = nullptr;
    QListWidget* m_synonyms = nullptr;
    QPushButton* m_accept = nullptr;
};
