// The windows the main window opens for the puzzle commands.
#include "app/MainWin.h"

#include "pages/ui/ListPages.h"
#include "shapes/ui/AddWords.h"
#include "shapes/ui/SelectShapes.h"

void TMainWin::InstallWindowOpeners()
{
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
}
