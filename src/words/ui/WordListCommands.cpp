// The word list editor's commands that end in the collection: Create, Save and Exit.
#include "words/ui/WordList.h"

#include "pages/PageFile.h"
#include "render/PageRenderer.h"
#include "pages/ui/ListPages.h"

#include "ui/AppContext.h"
#include "ui/MessageService.h"
#include "build/Engine.h"
#include "build/Generator.h"
#include "build/ui/CreationAttempts.h"
#include "puzzle/ui/AddWords.h"
#include "puzzle/ui/CreatedPuzzle.h"
#include "store/Ansi.h"
#include "store/Collection.h"
#include "words/WordListRecord.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>

void TWordList::CreateItClick()
{
    commitGridEdit();
    WorkingPuzzle& working = m_context.Working;
    const TCreateCheckResult check = CheckCreateInput(editorInput(), m_context.CurrentShape, working.CurrentPuzzle);
    if (check.AttemptsAccepted)
        m_context.settings.Attempts = check.Attempts;
    // The record is prepared before the words and clues are checked and keeps what was copied.
    if (check.RecordPrepared)
        working.CurrentPuzzle = check.Puzzle;
    if (!check.Accepted) {
        showRefusal(check.Refusal);
        return;
    }

    runConstruction();

    TCreatedPuzzle view(m_context, this);
    if (view.exec() == QDialog::Accepted)
        done(QDialog::Accepted); // the view saved the puzzle: the editor closes with it
}

void TWordList::showRefusal(const TCreateRefusal& refusal)
{
    switch (refusal.Field) {
    case CreateField::Title:
        m_title->setFocus();
        break;
    case CreateField::Category:
        m_category->setFocus();
        break;
    case CreateField::Attempts:
        m_attempts->setFocus();
        break;
    case CreateField::Word:
    case CreateField::Clue:
        m_grid->setFocus();
        m_grid->setCurrentCell(refusal.Row - 1, refusal.Field == CreateField::Word ? WordColumn : ClueColumn);
        break;
    case CreateField::None:
        break;
    }
    if (refusal.Beep)
        MessageService::instance().beep();
    MessageService::error(this, refusal.Message, refusal.Caption);
}

void TWordList::runConstruction()
{
    const TBuildOptions options{m_context.settings.Attempts, m_context.settings.Shrink, m_context.settings.QuickBuild};
    const std::uint32_t seed = m_fixedSeed ? *m_fixedSeed : TimeOfDaySeed();
    if (options.Attempts < 2) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        BuildPuzzles(m_context.Working.CurrentPuzzle, m_context.CurrentShape, options, seed, nullptr,
                     m_context.Candidates());
        QApplication::restoreOverrideCursor();
        return;
    }
    TCreationAttempts progress(m_context, options, seed, this);
    progress.exec();
}

bool TWordList::checkTitleAndCategory()
{
    if (Ansi::trimSpaces(Ansi::fromUnicode(m_title->text())).isEmpty()) {
        m_title->setFocus();
        MessageService::error(this, QStringLiteral("No title specified.  Please correct."));
        return false;
    }
    if (Ansi::trimSpaces(Ansi::fromUnicode(m_category->currentText())).isEmpty()) {
        m_category->setFocus();
        MessageService::error(this, QStringLiteral("No category specified.  Please correct."));
        return false;
    }
    return true;
}

bool TWordList::writeRecord()
{
    WorkingPuzzle& working = m_context.Working;
    const IoResult written = SaveWorkingPuzzle(working);
    if (!written) {
        MessageService::error(this, CollectionMessages::saveFailureText(written), CollectionMessages::ErrorCaption);
        return false;
    }
    if (m_context.RequestSelection)
        m_context.RequestSelection(working.CurrentPuzzle.Category.text(), working.CurrentPuzzle.Title.text());
    return true;
}

void TWordList::SaveButtonClick()
{
    commitGridEdit();
    if (!checkTitleAndCategory())
        return;
    WordListRecord::StoreEditorText(m_context.Working.CurrentPuzzle, editorInput());
    // A failed write has been reported; the editor stays open with everything typed, so the user
    // can save again once the cause is put right.
    if (writeRecord())
        done(QDialog::Accepted);
}

void TWordList::ExitButtonClick()
{
    commitGridEdit();
    if (m_newPuzzle) {
        if (!newListTyped()
            || MessageService::askDiscard(
                this, QStringLiteral("The words and clues have not been made into a puzzle.  Discard them?")))
            QDialog::reject();
        return;
    }
    TPuzzleRecord& puzzle = m_context.Working.CurrentPuzzle;
    WordListRecord::StoreEditorText(puzzle, editorInput());
    if (!WordListRecord::DiffersFromSnapshot(puzzle, m_snapshot)) {
        QDialog::reject();
        return;
    }
    const MessageService::Button answer = MessageService::instance().ask(
        this, QStringLiteral("Puzzle has been modified.  Save changes?"), QStringLiteral("Warning"),
        {MessageService::Button::Yes, MessageService::Button::No, MessageService::Button::Cancel},
        MessageService::Icon::Question);
    if (answer == MessageService::Button::Yes)
        SaveButtonClick(); // with Save's title and category checks, so no blank title is written
    else if (answer == MessageService::Button::No)
        QDialog::reject();
}

bool TWordList::newListTyped() const
{
    const TCreateInput input = editorInput();
    bool anyText = false;
    bool changed = false;
    for (std::size_t row = 0; row < input.Rows.size(); ++row) {
        const TWordRow& now = input.Rows[row];
        anyText = anyText || !Ansi::trimSpaces(now.Word).isEmpty() || !Ansi::trimSpaces(now.Clue).isEmpty();
        changed = changed || now.Word != m_openedRows[row].Word || now.Clue != m_openedRows[row].Clue;
    }
    return anyText && changed;
}

void TWordList::AddWordsButtonClick()
{
    commitGridEdit();
    TAddWords addWords(m_context, TAddWords::FromWordList, this);
    addWords.exec();
    if (!addWords.saved())
        return;
    // The puzzle was written with its new words, which are now the working puzzle. The grid shows
    // the record as written: the placed words, the new ones marked used, and after them the words
    // that never fitted, which the addition moved along; later changes compare with this record.
    m_context.Working.CurrentPuzzle = addWords.savedPuzzle();
    fillGridFromRecord();
    m_snapshot = addWords.savedPuzzle();
}

void TWordList::ChangeLayoutClick()
{
    TPageLayout layout = PuzzleLayout(m_context.Working.CurrentPuzzle);
    TListPages chooser(m_context, TListPages::ChooseForPuzzle, &layout, this);
    if (chooser.exec() != QDialog::Accepted)
        return;
    SetLayoutOfPuzzle(m_context.Working.CurrentPuzzle, layout);
    refreshLayoutPreview();
}
