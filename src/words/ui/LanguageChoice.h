#pragma once

#include <QDialog>
#include <QList>
#include <QString>
#include <utility>

class AppContext;
class QRadioButton;

/**
 * Asks for one language of a short list with radio buttons, "&Ok" and "&Cancel". The buttons of
 * missing languages are disabled. It starts at the remembered code (the first enabled one when
 * that is missing) and every click stores its code in the remembered setting at once, so a
 * Cancel does not undo it.
 */
class TLanguageChoice : public QDialog {
    Q_OBJECT
public:
    struct Option {
        int Code;
        QString Caption;
        bool Enabled;
    };
    TLanguageChoice(AppContext& context, const QString& caption, const QList<Option>& options, int& remembered,
                    QWidget* parent = nullptr);

    /** The code of the checked button, 0 when none is. */
    int Chosen() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    AppContext& m_context;
    QList<std::pair<int, QRadioButton*>> m_buttons;
};

/** "Spell Check": the language of one spell check when the setting says choose at check time. */
class TChooseSpellCheck : public TLanguageChoice {
    Q_OBJECT
public:
    explicit TChooseSpellCheck(AppContext& context, QWidget* parent = nullptr);
};

/** "Thesaurus": the thesaurus of one lookup when the setting says choose at use time. */
class TChooseThesCheck : public TLanguageChoice {
    Q_OBJECT
public:
    explicit TChooseThesCheck(AppContext& context, QWidget* parent = nullptr);
};
