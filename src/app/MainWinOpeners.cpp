// The windows the main window opens for the puzzle commands.
#include "app/MainWin.h"

#include "pages/ui/ListPages.h"
#include "render/ui/MyReport.h"
#include "render/ui/PrintBooklet.h"
#include "render/ui/ViewPrint.h"
#include "app/TipOfTheDay.h"
#include "puzzle/ui/AddWords.h"
#include "shapes/ui/SelectShapes.h"
#include "words/ui/WordList.h"

void TMainWin::InstallWindowOpeners()
{
    m_hooks.WordList = [this](const QString& caption) {
        {
            TWordList editor(m_context, this);
            editor.setWindowTitle(caption);
            editor.exec();
        }
        // Saving from the created puzzle view closes the editor beneath it; the keyboard would then
        // go to no window until the user clicked one.
        activateWindow();
    };
    m_hooks.AddWords = [this] {
        TAddWords window(m_context, TAddWords::FromMainWindow, this);
        window.exec();
    };
    m_hooks.SelectShapes = [this] {
        TSelectShapes manager(m_context, this);
        manager.exec();
    };
    m_hooks.PageLayouts = [this] {
        TListPages list(m_context, TListPages::Manage, nullptr, this);
        list.exec();
    };
    TMyReport::setViewPrint(RunViewPrint);
    m_hooks.Report = [this](const TPuzzleRecord& puzzle) {
        TMyReport report(m_context, puzzle, this);
        report.exec();
    };
    m_hooks.Booklet = [this](const std::vector<qint64>& ticked) {
        TPrintBooklet booklet(m_context, ticked, this);
        booklet.exec();
    };
    m_hooks.TipOfTheDay = [this] {
        TTipOfTheDay tips(m_context, this);
        tips.exec();
    };
}
