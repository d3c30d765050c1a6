// The main window's spelling and thesaurus availability and the two user word lists.
#include "app/MainWin.h"

#include "words/SpellLanguages.h"
#include "words/ui/MyEditBox.h"

#include <QAction>

void TMainWin::SetUpSpelling()
{
    SpellingSetup& spelling = m_context.Spelling;
    spelling = SpellingSetup::Find(m_context.ProgramDir);
    ApplySpellingFallbacks(m_context.settings, spelling);
    for (auto it = m_dictionaryItems.cbegin(); it != m_dictionaryItems.cend(); ++it) {
        if (it.key() != Spelling::ChooseLanguage)
            it.value()->setEnabled(spelling.LanguageAvailable(it.key()));
    }
    for (auto it = m_thesaurusItems.cbegin(); it != m_thesaurusItems.cend(); ++it) {
        if (it.key() != Spelling::ChooseThesaurus)
            it.value()->setEnabled(spelling.ThesaurusAvailable(it.key()));
    }
}

void TMainWin::AddToDictionary()
{
    TMyEditBox box(m_context, TMyEditBox::ListKind::Inclusion, this);
    box.exec();
}

void TMainWin::ExcludeFromDictionary()
{
    TMyEditBox box(m_context, TMyEditBox::ListKind::Exclusion, this);
    box.exec();
}
