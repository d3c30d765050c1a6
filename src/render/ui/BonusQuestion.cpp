#include "render/ui/BonusQuestion.h"

#include "ui/WindowSetup.h"
#include "store/Ansi.h"
#include "ui/Windows1252Text.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TBonusQuestion::TBonusQuestion(AppContext& context, const QString& question, QWidget* parent)
    : QDialog(parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("BonusQuestion"));
    setWindowTitle(QStringLiteral("Bonus Question"));
    setModal(true);

    m_question = new QLineEdit(this);
    m_question->setObjectName(QStringLiteral("Question"));
    AcceptWindows1252Only(m_question);
    m_question->setMaxLength(QuestionLength);
    m_question->setText(question.left(QuestionLength));

    QHBoxLayout* buttons = OkCancelRow(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_question);
    layout->addLayout(buttons);
    resize(520, 90);
}

QString TBonusQuestion::Question() const
{
    return Ansi::toUnicode(Ansi::trimSpaces(Ansi::fromUnicode(m_question->text())));
}

void TBonusQuestion::showEvent(QShowEvent* event)
{
    PrepareDialog(this, m_context);
    QDialog::showEvent(event);
}
