#include "pages/ui/ObjectText.h"

#include "store/Ansi.h"
#include "ui/WindowSetup.h"
#include "ui/Windows1252Text.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {

QString captionFor(const TPageObject& object)
{
    if (object.Kind == ObjectKind::AcrossHeader)
        return QStringLiteral("Across Header");
    if (object.Kind == ObjectKind::DownHeader)
        return QStringLiteral("Down Header");
    return QStringLiteral("Text");
}

} // namespace

TObjectText::TObjectText(AppContext& context, const TPageObject& object, QWidget* parent)
    : TObjectDialog(context, object, captionFor(object), parent)
{
    auto* layout = new QVBoxLayout(this);
    const QString text = Ansi::toUnicode(object.text());
    if (object.Kind == ObjectKind::Text) {
        setObjectName(QStringLiteral("TextDialog"));
        m_text = new QPlainTextEdit(this);
        m_text->setObjectName(QStringLiteral("TextBox"));
        AcceptWindows1252Only(m_text);
        m_text->setPlainText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        connect(m_text, &QPlainTextEdit::textChanged, this, &TObjectText::limitText);
        layout->addWidget(m_text, 1);
        resize(420, 260);
    } else {
        setObjectName(QStringLiteral("ClueHeaders"));
        m_header = new QLineEdit(text.left(HeaderLength), this);
        m_header->setObjectName(QStringLiteral("HeaderBox"));
        AcceptWindows1252Only(m_header);
        m_header->setMaxLength(HeaderLength);
        auto* label = new QLabel(captionFor(object), this);
        label->setBuddy(m_header);
        layout->addWidget(label);
        layout->addWidget(m_header);
    }
    layout->addLayout(OkCancelRow(this));
}

void TObjectText::limitText()
{
    // Line breaks count as the two characters they are stored as.
    const QString text = m_text->toPlainText();
    const qsizetype stored = text.size() + text.count(QLatin1Char('\n'));
    if (stored <= BoxLength)
        return;
    QString cut = text;
    while (!cut.isEmpty() && cut.size() + cut.count(QLatin1Char('\n')) > BoxLength)
        cut.chop(1);
    const QSignalBlocker blocker(m_text);
    m_text->setPlainText(cut);
    m_text->moveCursor(QTextCursor::End);
}

void TObjectText::accept()
{
    if (m_text) {
        const QString text = m_text->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
        m_object.setText(Ansi::fromUnicode(text).left(KeptLength));
    } else {
        m_object.setText(Ansi::trimSpaces(Ansi::fromUnicode(m_header->text())).left(HeaderLength));
    }
    TObjectDialog::accept();
}
