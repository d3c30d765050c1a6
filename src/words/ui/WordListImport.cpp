// The word list editor's word list files and international characters: Import, Export, the
// International Characters button and the F1..F12 keys.
#include "words/ui/WordList.h"

#include "store/Ansi.h"
#include "ui/AppContext.h"
#include "words/InternationalKeys.h"
#include "words/ui/DoIntChars.h"
#include "words/ui/Import.h"
#include "words/ui/MyExport.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

namespace {

/** How often a held Ctrl or Alt is looked at again before an international character is typed. */
constexpr int ModifierPollMs = 20;

bool ctrlOrAltHeld(Qt::KeyboardModifiers modifiers)
{
    return modifiers & (Qt::ControlModifier | Qt::AltModifier);
}

} // namespace

void TWordList::connectWordTools()
{
    connect(m_import, &QPushButton::clicked, this, &TWordList::ImportButtonClick);
    connect(m_export, &QPushButton::clicked, this, &TWordList::ExportButtonClick);
    connect(m_intChars, &QPushButton::clicked, this, &TWordList::IntCharsButtonClick);
}

QList<WordListTransfer::GridRow> TWordList::gridRows()
{
    commitGridEdit();
    QList<WordListTransfer::GridRow> rows;
    for (int row = 0; row < GridRows; ++row)
        rows.append({Ansi::fromUnicode(m_grid->item(row, WordColumn)->text()),
                     Ansi::fromUnicode(m_grid->item(row, ClueColumn)->text()),
                     !m_grid->item(row, UsedColumn)->text().isEmpty()});
    return rows;
}

void TWordList::ImportButtonClick()
{
    const QList<WordListTransfer::GridRow> before = gridRows();
    TImport import(m_context, before, this);
    if (import.exec() != QDialog::Accepted)
        return;
    // Only the texts the import changed are written back, so nothing else goes through Windows-1252.
    const QList<WordListTransfer::GridRow>& after = import.Rows();
    for (const int row : import.ChangedRows()) {
        if (after[row].Word != before[row].Word)
            m_grid->item(row, WordColumn)->setText(Ansi::toUnicode(after[row].Word));
        if (after[row].Clue != before[row].Clue)
            m_grid->item(row, ClueColumn)->setText(Ansi::toUnicode(after[row].Clue));
    }
    m_grid->setFocus();
}

void TWordList::ExportButtonClick()
{
    TMyExport exporter(m_context, gridRows(), m_newPuzzle, this);
    exporter.exec();
}

void TWordList::IntCharsButtonClick()
{
    TDoIntChars dialog(m_context, this);
    dialog.exec();
}

void TWordList::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key < Qt::Key_F1 || key > Qt::Key_F12) {
        QDialog::keyPressEvent(event);
        return;
    }
    event->accept();
    const int code = InternationalKeys::CodeOf(m_context.settings.IntKeys[std::size_t(key - Qt::Key_F1)]);
    const QString character(InternationalKeys::CharacterOf(code));
    auto type = [this, character] {
        QWidget* focused = focusWidget();
        auto* field = qobject_cast<QLineEdit*>(focused);
        // On a grid cell that is not being edited the character starts editing it, as typing does.
        if (!field && focused == m_grid && (m_grid->currentIndex().flags() & Qt::ItemIsEditable)) {
            m_grid->edit(m_grid->currentIndex());
            field = qobject_cast<QLineEdit*>(m_grid->indexWidget(m_grid->currentIndex()));
            if (field)
                field->selectAll();
        }
        if (field)
            field->insert(character);
    };
    if (!ctrlOrAltHeld(event->modifiers())) {
        type();
        return;
    }
    // The character is typed once Ctrl and Alt are released.
    auto* wait = new QTimer(this);
    wait->setInterval(ModifierPollMs);
    connect(wait, &QTimer::timeout, this, [wait, type] {
        if (ctrlOrAltHeld(QGuiApplication::queryKeyboardModifiers()))
            return;
        wait->stop();
        wait->deleteLater();
        type();
    });
    wait->start();
}
