// The report window's commands: the run, the printer, the layout and its fonts, headings, bonus
// question, partial answers and box colour.
#include "render/ui/MyReport.h"

#include "ui/AppContext.h"
#include "ui/HelpWindow.h"
#include "ui/MessageService.h"
#include "render/ObjectFont.h"
#include "render/ui/BonusQuestion.h"
#include "render/ui/ClueHeaders.h"
#include "pages/ui/FontChooser.h"
#include "pages/ui/ListPages.h"
#include "render/ui/PartialAnswer.h"
#include "render/ui/PrinterDriver.h"
#include "store/Ansi.h"
#include "store/WindowsColor.h"

#include <QColorDialog>
#include <QCursor>
#include <QMenu>
#include <QPushButton>
#include <algorithm>

namespace {

TMyReport::Dialogs& installedDialogs()
{
    static TMyReport::Dialogs dialogs;
    return dialogs;
}

void storeLayout(TPuzzleRecord& puzzle, const TPageLayout& layout)
{
    const QByteArray bytes = layout.toBytes();
    std::copy_n(bytes.constData(), std::min<std::size_t>(std::size_t(bytes.size()), puzzle.PageLayout.size()),
                reinterpret_cast<char*>(puzzle.PageLayout.data()));
}

} // namespace

void TMyReport::setDialogs(Dialogs dialogs)
{
    installedDialogs() = std::move(dialogs);
}

void TMyReport::ViewPrintClick()
{
    const ViewPrintRun& run = currentViewPrint();
    if (run)
        run(m_context, m_puzzle, m_options, this);
}

void TMyReport::PrinterSetupClick()
{
    ShowPrinterSetup(this);
}

void TMyReport::ChangeLayoutClick()
{
    TPageLayout chosen = PuzzleLayout(m_puzzle);
    TListPages list(m_context, TListPages::ChooseForPrinting, &chosen, this);
    if (list.exec() != QDialog::Accepted)
        return;
    storeLayout(m_puzzle, chosen);
    LayoutSetup();
}

void TMyReport::ChangeFontsClick()
{
    if (m_fontEntries.isEmpty())
        return;
    auto* button = qobject_cast<QWidget*>(sender());
    const QPoint at = button ? button->mapToGlobal(QPoint(0, button->height())) : QCursor::pos();
    m_fontMenu->exec(at);
}

void TMyReport::FontMenuClick(int entry)
{
    if (entry < 0 || entry >= m_fontEntries.size())
        return;
    const TFontMenuEntry& item = m_fontEntries[entry];
    TPageLayout layout = PuzzleLayout(m_puzzle);
    TPageObject& object = layout.Objects[std::size_t(item.Slot)];
    const TCanvasFont initial = ObjectFont(object, item.NumberFont);
    const std::optional<TCanvasFont> chosen = installedDialogs().ChooseFont
                                                  ? installedDialogs().ChooseFont(this, initial, item.Caption)
                                                  : ChooseCanvasFont(this, initial, item.Caption);
    if (!chosen)
        return;
    StoreObjectFont(object, item.NumberFont, *chosen);
    storeLayout(m_puzzle, layout);
}

void TMyReport::ChangeHeadersClick()
{
    TClueHeaders dialog(m_context, QStringLiteral("Clue Headers"), this);
    dialog.SetHeaders(Ansi::toUnicode(m_options.AcrossHeading), Ansi::toUnicode(m_options.DownHeading));
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_options.AcrossHeading = Ansi::fromUnicode(dialog.AcrossHeader()).left(TClueHeaders::HeaderLength);
    m_options.DownHeading = Ansi::fromUnicode(dialog.DownHeader()).left(TClueHeaders::HeaderLength);
}

void TMyReport::ChangeBonusClick()
{
    TBonusQuestion dialog(m_context, Ansi::toUnicode(m_puzzle.BonusQuestion.text()), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_puzzle.BonusQuestion.setText(Ansi::fromUnicode(dialog.Question()));
}

void TMyReport::SelectClick()
{
    TPartialAnswer dialog(m_context, m_puzzle, m_options.PartialFlags, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_options.PartialFlags = dialog.flags();
}

void TMyReport::BoxColorClick()
{
    const QColor initial = ColorFromWindows(m_options.BoxColor);
    const std::optional<QColor> chosen = installedDialogs().ChooseColor
                                             ? installedDialogs().ChooseColor(this, initial)
                                             : [&]() -> std::optional<QColor> {
                                                   const QColor c = QColorDialog::getColor(initial, this);
                                                   return c.isValid() ? std::optional<QColor>(c) : std::nullopt;
                                               }();
    if (!chosen || !chosen->isValid())
        return;
    m_options.BoxColor = WindowsFromColor(*chosen);
    m_context.settings.BoxColor = std::int32_t(m_options.BoxColor);
    showBoxColor();
}

void TMyReport::HelpClick()
{
    ShowHelpTopic(this, m_context, QStringLiteral("Report Window"));
}
