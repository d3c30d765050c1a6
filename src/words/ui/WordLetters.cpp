#include "words/ui/WordLetters.h"

#include "store/Ansi.h"
#include "ui/AppContext.h"
#include "ui/MessageService.h"
#include "ui/WindowSetup.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

/** What the user-defined character holds when there is none. */
constexpr char NoCharacter = ' ';

} // namespace

TWordLetters::TWordLetters(AppContext& context, QWidget* parent) : QDialog(parent), m_context(context)
{
    setObjectName(QStringLiteral("TWordLetters"));
    setWindowTitle(QStringLiteral("Word Separator Characters"));
    setModal(true);
    Settings& settings = m_context.settings;
    const struct {
        const char* caption;
        const char* name;
        bool* setting;
    } boxes[] = {
        {"&Dash (-)", "SepDash", &settings.WordSepDash},   {"&Slash (/)", "SepSlash", &settings.WordSepSlash},
        {"&Plus (+)", "SepPlus", &settings.WordSepPlus},   {"S&tar (*)", "SepStar", &settings.WordSepStar},
        {"&User Defined", "SepOther", &settings.WordSepOther},
    };
    auto* layout = new QVBoxLayout(this);
    for (const auto& b : boxes) {
        auto* box = new QCheckBox(QString::fromLatin1(b.caption), this);
        box->setObjectName(QLatin1String(b.name));
        box->setChecked(*b.setting);
        bool* setting = b.setting;
        connect(box, &QCheckBox::clicked, this, [setting](bool on) { *setting = on; });
        if (b.setting != &settings.WordSepOther) {
            layout->addWidget(box);
            continue;
        }
        auto* row = new QHBoxLayout;
        m_wordSepChar = new QLineEdit(this);
        m_wordSepChar->setObjectName(QStringLiteral("WordSepChar"));
        m_wordSepChar->setMaxLength(1);
        m_wordSepChar->setFixedWidth(32);
        if (settings.WordSepChar != NoCharacter)
            m_wordSepChar->setText(Ansi::toUnicode(QByteArray(1, settings.WordSepChar)));
        row->addWidget(box);
        row->addWidget(m_wordSepChar);
        row->addStretch(1);
        layout->addLayout(row);
    }
    connect(m_wordSepChar, &QLineEdit::textEdited, this, &TWordLetters::WordSepCharEdited);
    layout->addStretch(1);
    auto* ok = new QPushButton(QStringLiteral("&Ok"), this);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    layout->addLayout(buttons);
    // No design size: the window takes what its boxes need, and grows with them.
}

void TWordLetters::showEvent(QShowEvent* event)
{
    PrepareDialog(this, m_context);
    QDialog::showEvent(event);
}

void TWordLetters::WordSepCharEdited(const QString& text)
{
    char& setting = m_context.settings.WordSepChar;
    if (text.isEmpty()) {
        setting = NoCharacter;
        return;
    }
    const QChar c = text.at(0);
    const bool latinLetter = (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || (c >= QLatin1Char('a') && c <= QLatin1Char('z'));
    if (latinLetter) {
        MessageService::error(this, QStringLiteral("Character cannot be in A..Z.  Please correct."));
        setting = NoCharacter;
        m_wordSepChar->clear();
        return;
    }
    // A character that words cannot hold could never match a grid cell.
    const std::optional<char> ansi = Ansi::encode(c.unicode());
    if (!ansi) {
        MessageService::instance().beep();
        setting = NoCharacter;
        m_wordSepChar->clear();
        return;
    }
    setting = *ansi;
}
