// The main window's options that only set settings, the default clue headers, and help.
#include "app/MainWin.h"

#include "app/Background.h"
#include "ui/MessageService.h"
#include "ui/ScreenSize.h"
#include "app/UserManualNotice.h"
#include "ui/WindowSetup.h"
#include "pages/ui/ClueHeaders.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>

namespace {

const QString HelpFileName = QStringLiteral("QORVX.HLP");
const QString ManualFileName = QStringLiteral("QORVX.DOC");

const QString FontTitles[] = {QStringLiteral("Label Font"), QStringLiteral("Edit Font"), QStringLiteral("Button Font")};

QFont toFont(const FontSetting& setting)
{
    QFont font = QApplication::font();
    font.setFamily(setting.Name);
    font.setBold(setting.Bold);
    font.setItalic(setting.Italic);
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
    const std::optional<QFont> chosen = m_hooks.ChooseFont(this, toFont(setting), FontTitles[which]);
    if (!chosen)
        return;
    setting.Name = chosen->family();
    setting.Bold = chosen->bold();
    setting.Italic = chosen->italic();
    ApplyUserFonts(this, m_context);
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

void TMainWin::HelpContents()
{
    const QString help = m_context.ProgramFile(HelpFileName);
    if (!QFileInfo(help).isFile()) {
        MessageService::error(this, QStringLiteral("Cannot find the help file ") + help + QLatin1Char('.'));
        return;
    }
    if (m_hooks.OpenUrl)
        m_hooks.OpenUrl(QUrl::fromLocalFile(help));
}

void TMainWin::UserManual()
{
    TUserManualNotice notice(m_context, this);
    if (notice.exec() != QDialog::Accepted)
        return;
    const QString manual = m_context.ProgramFile(ManualFileName);
    if (QFileInfo(manual).isFile()) {
        if (m_hooks.OpenUrl)
            m_hooks.OpenUrl(QUrl::fromLocalFile(manual));
        return;
    }
    MessageService::error(this, QStringLiteral("The User Manual could not be located.  Please make sure the user manual "
                                               "was installed.  A copy is available at our web site."));
}
