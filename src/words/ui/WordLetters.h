#pragma once

#include <QDialog>

class AppContext;
class QLineEdit;

/**
 * "Word Separator Characters": which characters inside words (dash, slash, plus, star and one of
 * the user's) are printed in the blank puzzle. Every change is stored in the settings at once;
 * "&Ok" only closes.
 */
class TWordLetters : public QDialog {
    Q_OBJECT
public:
    explicit TWordLetters(AppContext& context, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void WordSepCharEdited(const QString& text);

    AppContext& m_context;
    QLineEdit* m_wordSepChar = nullptr;
};
