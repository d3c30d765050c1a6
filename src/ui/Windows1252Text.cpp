#include "ui/Windows1252Text.h"

#include "store/Ansi.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

bool HoldsInWindows1252(char32_t character)
{
    return character >= 0x20 && character != 0x7F && Ansi::encode(character).has_value();
}

QValidator::State Windows1252Validator::validate(QString& input, int& position) const
{
    // What cannot be held is taken out rather than the whole change refused, so that a paste keeps
    // the rest of its text.
    QString kept;
    kept.reserve(input.size());
    int keptBeforeCursor = 0;
    for (qsizetype i = 0; i < input.size();) {
        const char32_t c = input.at(i).isHighSurrogate() && i + 1 < input.size()
                               ? QChar::surrogateToUcs4(input.at(i), input.at(i + 1))
                               : input.at(i).unicode();
        const qsizetype units = c > 0xFFFF ? 2 : 1;
        if (HoldsInWindows1252(c) && !QChar::isSurrogate(c)) {
            kept.append(input.mid(i, units));
            if (i < position)
                keptBeforeCursor += int(units);
        }
        i += units;
    }
    if (kept.size() != input.size()) {
        input = kept;
        position = keptBeforeCursor;
    }
    return Acceptable;
}

void AcceptWindows1252Only(QLineEdit* field)
{
    field->setValidator(new Windows1252Validator(field));
}

void AcceptWindows1252Only(QComboBox* box)
{
    box->setValidator(new Windows1252Validator(box));
}

void AcceptWindows1252Only(QPlainTextEdit* area)
{
    QObject::connect(area, &QPlainTextEdit::textChanged, area, [area] {
        QTextDocument* document = area->document();
        // Positions in the document count UTF-16 units, as QString does; a character outside the
        // basic plane is two of them, both refused. Block ends are the line breaks.
        QList<int> refused;
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
            const QString text = block.text();
            for (int i = 0; i < text.size(); ++i) {
                const QChar c = text.at(i);
                if (c.isSurrogate() || !HoldsInWindows1252(c.unicode()))
                    refused.append(block.position() + i);
            }
        }
        if (refused.isEmpty())
            return;
        QTextCursor cursor = area->textCursor();
        cursor.joinPreviousEditBlock();
        for (auto it = refused.crbegin(); it != refused.crend(); ++it) {
            cursor.setPosition(*it);
            cursor.setPosition(*it + 1, QTextCursor::KeepAnchor);
            cursor.removeSelectedText();
        }
        cursor.endEditBlock();
    });
}
