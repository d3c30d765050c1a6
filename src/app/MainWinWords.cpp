// The main window's word options: the international-character keys and the word separators.
#include "app/MainWin.h"

#include "words/ui/DoIntChars.h"
#include "words/ui/WordLetters.h"

void TMainWin::InternationalCharacters()
{
    TDoIntChars dialog(m_context, this);
    dialog.exec();
}

void TMainWin::WordSeparators()
{
    TWordLetters dialog(m_context, this);
    dialog.exec();
}
