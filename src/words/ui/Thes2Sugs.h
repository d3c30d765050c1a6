#pragma once

#include <QDialog>

class AppContext;
class QListWidget;

/** "Word Suggestions": substitutes for a word the thesaurus does not hold; "&Ok" takes the selected one. */
class TThes2Sugs : public QDialog {
    Q_OBJECT
public:
    TThes2Sugs(AppContext& context, const QString& word, const QStringList& suggestions, QWidget* parent = nullptr);

    /** The selected substitute; empty when none is selected. */
    QString Chosen() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    AppContext& m_context;
    QListWidget* m_list = nullptr;
};
