#pragma once

#include <QByteArray>
#include <QDialog>

class AppContext;
class QLineEdit;

/**
 * The clue dialog of manual word addition ("Add A Clue"): shows a new word, takes its clue (at
 * most 150 characters) and the case the word is stored in, preset from and stored back into the
 * "Case Sensitivity" setting. Closing it any way counts as "&Ok".
 */
class TAddAClue : public QDialog {
    Q_OBJECT
public:
    TAddAClue(AppContext& context, const QByteArray& word, QWidget* parent = nullptr);

    /** The clue typed, as Windows-1252, trimmed and cut to 150 characters. */
    QByteArray clue() const;
    /** The case chosen: 1 upper case, 2 lower case, 3 first letter capital. */
    int letterCase() const { return m_letterCase; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    AppContext& m_context;
    QLineEdit* m_clue = nullptr;
    int m_letterCase = 3;
    bool m_prepared = false;
};
