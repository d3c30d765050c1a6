#include "puzzle/ui/AddAClue.h"

#include "ui/AppContext.h"
#include "ui/WindowSetup.h"
#include "puzzle/ManualWords.h"
#include "store/Ansi.h"
#include "ui/Windows1252Text.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
constexpr int DesignWidth = 460;
constexpr int DesignHeight = 170;
} // namespace

TAddAClue::TAddAClue(AppContext& context, const QByteArray& word, QWidget* parent)
    : QDialog(parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("AddAClue"));
    setWindowTitle(QStringLiteral("Add A Clue"));

    auto* wordText = new QLabel(Ansi::toUnicode(word), this);
    wordText->setObjectName(QStringLiteral("WordText"));
    m_clue = new QLineEdit(this);
    m_clue->setObjectName(QStringLiteral("ClueEdit"));
    AcceptWindows1252Only(m_clue);
    m_clue->setMaxLength(Limits::ClueLength);

    auto* cases = new QButtonGroup(this);
    const struct {
        const char* caption;
        const char* name;
        int value;
    } choices[] = {{"&Upper Case", "UpperCase", ManualWords::UpperCase},
                   {"&Lower Case", "LowerCase", ManualWords::LowerCase},
                   {"&First Letter Cap", "FirstLetterCap", ManualWords::FirstLetterCap}};
    const int preset = context.settings.CaseSensitivity;
    m_letterCase = preset >= ManualWords::UpperCase && preset <= ManualWords::FirstLetterCap ? preset : ManualWords::FirstLetterCap;
    auto* caseRow = new QHBoxLayout;
    for (const auto& choice : choices) {
        auto* radio = new QRadioButton(QLatin1String(choice.caption), this);
        radio->setObjectName(QLatin1String(choice.name));
        radio->setChecked(choice.value == m_letterCase);
        cases->addButton(radio, choice.value);
        caseRow->addWidget(radio);
    }
    connect(cases, &QButtonGroup::idClicked, this, [this](int value) {
        m_letterCase = value;
        m_context.settings.CaseSensitivity = value;
    });

    auto* ok = new QPushButton(QStringLiteral("&Ok"), this);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("Word:"), this), 0, 0);
    fields->addWidget(wordText, 0, 1);
    fields->addWidget(new QLabel(QStringLiteral("Clue:"), this), 1, 0);
    fields->addWidget(m_clue, 1, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(caseRow);
    layout->addStretch();
    layout->addLayout(bottom);
    resize(DesignWidth, DesignHeight);
}

void TAddAClue::showEvent(QShowEvent* event)
{
    if (!m_prepared) {
        m_prepared = true;
        PrepareDialog(this, m_context);
        m_clue->setFocus();
    }
    QDialog::showEvent(event);
}

QByteArray TAddAClue::clue() const
{
    return Ansi::trimSpaces(Ansi::fromUnicode(m_clue->text())).left(Limits::ClueLength);
}
