#pragma once

#include <QDialog>
#include <QString>

class AppContext;
class QLineEdit;

/** The "Bonus Question" dialog: one line of at most 120 characters. */
class TBonusQuestion : public QDialog {
    Q_OBJECT

public:
    /** Longest bonus question typed here. */
    static constexpr int QuestionLength = 120;

    TBonusQuestion(AppContext& context, const QString& question, QWidget* parent = nullptr);

    /** The question as typed, trimmed of spaces. */
    QString Question() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    AppContext& m_context;
    QLineEdit* m_question = nullptr;
};
