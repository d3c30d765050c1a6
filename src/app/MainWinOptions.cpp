// The main window's options that only set settings, the default clue headers, and help.
#include "app/MainWin.h"

#include "app/Background.h"
#include "ui/MessageService.h"
#include "ui/ScreenSize.h"
#include "ui/WindowSetup.h"
#include "render/ui/ClueHeaders.h"

#include <QAction>
#include <QApplication>

namespace {

const QString FontTitles[] = {QStringLiteral("Label Font"), QStringLiteral("Edit Font"), QStringLiteral("Button Font")};

/** The size the user fonts start at: the platform's. */
int PlatformPointSize()
{
    const QFont shown = QApplication::font();
    return shown.pointSize() > 0 ? shown.pointSize() : 9;
}

/** A user font as the font dialog shows it: its face, style, colour and the size chosen this run. */
TCanvasFont toCanvasFont(const FontSetting& setting)
{
    TCanvasFont font;
    font.Name = setting.Name;
    font.Bold = setting.Bold;
    font.Italic = setting.Italic;
    font.Color = std::uint32_t(setting.Color);
    font.Size = setting.PointSize > 0 ? setting.PointSize : PlatformPointSize();
    return font;
}

} // namespace

void TMainWin::ChooseScreenSize(int size)
{
    if (size == m_sizeInForce || ScreenSize::FactorOf(size) == 0.0) {
        UpdateChecks();
        return;
    }
    if (size != 640 && !ScreenSize::Supports(m_screen, size)) {
        MessageService::error(this, QStringLiteral("Your current screen resolution does not support %1 x %2 pixels.")
                                        .arg(size)
                                        .arg(ScreenSize::HeightOf(size)));
        UpdateChecks();
        return;
    }
    m_sizeInForce = size;
    m_context.settings.WindowSize = size;
    m_context.ScaleFactor = ScreenSize::FactorOf(size);
    UpdateChecks();
    ApplyScreenSize();
    update();
}

void TMainWin::ToggleBackground()
{
    m_context.settings.BackgroundBitmap = !m_context.settings.BackgroundBitmap;
    UpdateChecks();
}

void TMainWin::ChooseDictionary(int code)
{
    m_context.settings.Dictionary = code;
    UpdateChecks();
}

void TMainWin::ChooseThesaurus(int code)
{
    m_context.settings.Thesaurus = code;
    UpdateChecks();
}

void TMainWin::ChoosePixelFormat(int format)
{
    m_context.settings.PixelFormat = format;
    UpdateChecks();
}

void TMainWin::ChooseUserFont(int which)
{
    Settings& s = m_context.settings;
    FontSetting* const fonts[] = {&s.LabelFont, &s.EditFont, &s.ButtonFont};
    if (which < 0 || which > 2 || !m_hooks.ChooseFont)
        return;
    FontSetting& setting = *fonts[which];
    const std::optional<TCanvasFont> chosen = m_hooks.ChooseFont(this, toCanvasFont(setting), FontTitles[which]);
    if (!chosen)
        return;
    setting.Name = chosen->Name;
    setting.Bold = chosen->Bold;
    setting.Italic = chosen->Italic;
    setting.Color = std::int32_t(chosen->Color);
    // The size holds for this run; the platform's own size leaves every control at its design size.
    setting.PointSize = chosen->Size == PlatformPointSize() ? 0 : chosen->Size;
    ApplyUserFonts(this, m_context);
    ScaleFonts();
}

void TMainWin::ClueHeaders()
{
    TClueHeaders dialog(m_context, QStringLiteral("Default Clue Headers"), this);
    dialog.SetHeaders(m_context.settings.AcrossLabel, m_context.settings.DownLabel);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_context.settings.AcrossLabel = dialog.AcrossHeader();
    m_context.settings.DownLabel = dialog.DownHeader();
}
