// The clue and theme assistant's database, opened once per run (and again only when the spelling language changes).
#include "ui/AppContext.h"

#include "words/Lexicon.h"

const LexicalSource* AppContext::Lexicon()
{
    const int language = Lexicon::LanguageOf(settings);
    if (!m_lexicon || language != m_lexiconLanguage) {
        m_lexicon = Lexicon::Open(ProgramDir, language);
        m_lexiconLanguage = language;
    }
    return m_lexicon.get();
}
