#include "pages/ui/BonusQuestion.h"

#include "app/WindowSetup.h"
#include "store/Ansi.h"

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
    m_question->setMaxLength(QuestionLength);
    m_question->setText(question.left(QuestionLength));

    auto* ok = new QPushButton(QStringLiteral("&Ok"), this);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
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
