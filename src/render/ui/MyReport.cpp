#include "render/ui/MyReport.h"

#include "ui/AppContext.h"
#include "ui/WindowSetup.h"
#include "render/RenderSettings.h"
#include "pages/ui/LayoutThumbnail.h"
#include "store/Ansi.h"
#include "store/WindowsColor.h"
#include "ui/Windows1252Text.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

/** Longest caption of a font menu entry built from an object name. */
constexpr int FontCaptionLength = 20;
/** Entries of the font menu at most: two for the grid and one for each other text object. */
constexpr int FontMenuEntries = 21;
/** Design size of the window. */
constexpr int DesignWidth = 600;
constexpr int DesignHeight = 400;

TMyReport::ViewPrintRun& installedViewPrint()
{
    static TMyReport::ViewPrintRun run;
    return run;
}

QCheckBox* makeCheck(const char* text, const char* name, QWidget* parent)
{
    auto* box = new QCheckBox(QString::fromLatin1(text), parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

bool hasTextFont(std::int16_t kind)
{
    return kind == ObjectKind::Title || (kind >= ObjectKind::DownHeader && kind <= ObjectKind::Text);
}

} // namespace

QList<TFontMenuEntry> BuildFontMenu(const TPageLayout& layout)
{
    QList<TFontMenuEntry> entries;
    auto add = [&](QString caption, int slot, bool number) {
        if (entries.size() < FontMenuEntries)
            entries.append({std::move(caption), slot, number});
    };
    for (int i = 0; i < layout.usedObjects(); ++i) {
        const TPageObject& object = layout.Objects[std::size_t(i)];
        if (object.Kind == ObjectKind::Puzzle) {
            add(QStringLiteral("Puzzle Answer Font"), i, false);
            add(QStringLiteral("Puzzle Clue Numbers Font"), i, true);
        } else if (hasTextFont(object.Kind)) {
            const QByteArray caption = object.Name.text() + QByteArrayLiteral(" Font");
            add(Ansi::toUnicode(caption.left(FontCaptionLength)), i, false);
        }
    }
    return entries;
}

void TMyReport::setViewPrint(ViewPrintRun run)
{
    installedViewPrint() = std::move(run);
}

const TMyReport::ViewPrintRun& TMyReport::currentViewPrint()
{
    return installedViewPrint();
}

TMyReport::TMyReport(AppContext& context, const TPuzzleRecord& puzzle, QWidget* parent)
    : QDialog(parent)
    , m_context(context)
    , m_puzzle(puzzle)
{
    setObjectName(QStringLiteral("MyReport"));
    setWindowTitle(QStringLiteral("Reports"));
    setModal(true);
    buildControls();
    resize(DesignWidth, DesignHeight);
    LayoutSetup();
}

void TMyReport::buildControls()
{
    auto* menuBar = new QMenuBar(this);
    QMenu* file = menuBar->addMenu(QStringLiteral("&File"));
    QAction* viewPrint = file->addAction(QStringLiteral("&View/Print"), this, &TMyReport::ViewPrintClick);
    viewPrint->setShortcut(QKeySequence(QStringLiteral("Ctrl+V")));
    viewPrint->setObjectName(QStringLiteral("MenuViewPrint"));
    viewPrint->setEnabled(bool(installedViewPrint()));
    QAction* setup = file->addAction(QStringLiteral("Printer &Setup"), this, &TMyReport::PrinterSetupClick);
    setup->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    setup->setObjectName(QStringLiteral("MenuPrinterSetup"));
    file->addSeparator();
    file->addAction(QStringLiteral("E&xit"), this, &QDialog::reject)->setObjectName(QStringLiteral("MenuExit"));

    // The options are made first so that Tab goes through them before the commands beside them.
    QWidget* options = buildOptionsPanel();
    m_viewPrint = MakeDialogButton("&View/Print", "ViewPrintButton", this);
    m_viewPrint->setEnabled(bool(installedViewPrint()));
    auto* printerSetup = MakeDialogButton("Printer &Setup", "PrinterSetupButton", this);
    auto* changeLayout = MakeDialogButton("Change Page &Layout", "ChangeLayoutButton", this);
    auto* changeFonts = MakeDialogButton("Change &Fonts", "ChangeFontsButton", this);
    auto* changeHeaders = MakeDialogButton("Change Clue &Headers", "ChangeHeadersButton", this);
    auto* changeBonus = MakeDialogButton("Change Bon&us Question", "ChangeBonusButton", this);
    auto* help = MakeDialogButton("&Help", "HelpButton", this);
    auto* exit = MakeDialogButton("E&xit", "ExitButton", this);

    m_fontMenu = new QMenu(this);
    m_fontMenu->setObjectName(QStringLiteral("FontMenu"));

    m_thumbnail = new TLayoutThumbnail(this);
    m_thumbnail->setObjectName(QStringLiteral("Thumbnail"));
    m_thumbnail->setFixedSize(150, 194);

    auto* commands = new QVBoxLayout;
    for (QPushButton* button : {m_viewPrint, printerSetup, changeLayout, changeFonts, changeHeaders, changeBonus})
        commands->addWidget(button);
    commands->addStretch(1);
    commands->addWidget(help);
    commands->addWidget(exit);

    auto* preview = new QVBoxLayout;
    preview->addWidget(m_thumbnail);
    preview->addWidget(new TThumbnailLegend(this));
    preview->addStretch(1);

    auto* body = new QHBoxLayout;
    body->addWidget(options, 1);
    body->addLayout(preview);
    body->addLayout(commands);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar);
    layout->addLayout(body);

    connect(m_viewPrint, &QPushButton::clicked, this, &TMyReport::ViewPrintClick);
    connect(printerSetup, &QPushButton::clicked, this, &TMyReport::PrinterSetupClick);
    connect(changeLayout, &QPushButton::clicked, this, &TMyReport::ChangeLayoutClick);
    connect(changeFonts, &QPushButton::clicked, this, &TMyReport::ChangeFontsClick);
    connect(changeHeaders, &QPushButton::clicked, this, &TMyReport::ChangeHeadersClick);
    connect(changeBonus, &QPushButton::clicked, this, &TMyReport::ChangeBonusClick);
    connect(help, &QPushButton::clicked, this, &TMyReport::HelpClick);
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
}

QWidget* TMyReport::buildOptionsPanel()
{
    auto* panel = new QWidget(this);

    auto* parts = new QGroupBox(QStringLiteral("Print"), panel);
    m_printTitle = makeCheck("Puzzle &Title", "PrintTitle", parts);
    m_printBody = makeCheck("Puzzle &Body", "PrintBody", parts);
    m_printClues = makeCheck("Puzzle &Clues", "PrintClues", parts);
    m_printWords = makeCheck("Puzzle &Words", "PrintWords", parts);
    m_printBonus = makeCheck("Bonus &Question", "PrintBonus", parts);
    auto* partsLayout = new QVBoxLayout(parts);
    for (QCheckBox* box : {m_printTitle, m_printBody, m_printClues, m_printWords, m_printBonus})
        partsLayout->addWidget(box);

    auto* answers = new QGroupBox(QStringLiteral("Answers"), panel);
    m_answerKey = makeCheck("&Answer Key", "AnswerKey", answers);
    m_partialAnswers = makeCheck("&Partial Answers", "PartialAnswers", answers);
    m_select = MakeDialogButton("&Select", "SelectButton", answers);
    m_partialLetters = makeCheck("Pa&rtial Letters", "PartialLetters", answers);
    m_letters = new QLineEdit(answers);
    m_letters->setObjectName(QStringLiteral("Letters"));
    AcceptWindows1252Only(m_letters);
    m_letters->setMaxLength(SettingsLimits::LettersHeld);
    auto* answersLayout = new QGridLayout(answers);
    answersLayout->addWidget(m_answerKey, 0, 0, 1, 2);
    answersLayout->addWidget(m_partialAnswers, 1, 0);
    answersLayout->addWidget(m_select, 1, 1);
    answersLayout->addWidget(m_partialLetters, 2, 0);
    answersLayout->addWidget(m_letters, 2, 1);

    auto* boxes = new QGroupBox(QStringLiteral("Boxes"), panel);
    m_skeleton = makeCheck("&Skeleton Puzzle", "SkeletonPuzzle", boxes);
    m_boxColor = MakeDialogButton("&Filled Box Color", "BoxColorButton", boxes);
    m_boxSample = new QFrame(boxes);
    m_boxSample->setObjectName(QStringLiteral("BoxColorSample"));
    m_boxSample->setFrameShape(QFrame::Box);
    m_boxSample->setAutoFillBackground(true);
    m_boxSample->setFixedSize(32, 20);
    auto* boxesLayout = new QGridLayout(boxes);
    boxesLayout->addWidget(m_skeleton, 0, 0, 1, 2);
    boxesLayout->addWidget(m_boxColor, 1, 0);
    boxesLayout->addWidget(m_boxSample, 1, 1);

    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(parts);
    layout->addWidget(answers);
    layout->addWidget(boxes);
    layout->addStretch(1);

    // Each option is a setting: a change reaches the settings and this run at once.
    Settings& s = m_context.settings;
    auto bind = [this](QCheckBox* box, bool& setting, bool& option) {
        connect(box, &QCheckBox::toggled, this, [this, &setting, &option](bool checked) {
            if (m_loading)
                return;
            setting = checked;
            option = checked;
            EnableDisable();
        });
    };
    bind(m_printTitle, s.PrintTitle, m_options.PrintTitle);
    bind(m_printBody, s.PrintBody, m_options.PrintBody);
    bind(m_printClues, s.PrintClues, m_options.PrintClues);
    bind(m_printWords, s.PrintWords, m_options.PrintWords);
    bind(m_printBonus, s.PrintBonus, m_options.PrintBonus);
    bind(m_answerKey, s.AnswerKey, m_options.AnswerKey);
    bind(m_partialAnswers, s.PartialAnswer, m_options.PartialAnswers);
    bind(m_partialLetters, s.PartialLetters, m_options.PartialLetters);
    connect(m_skeleton, &QCheckBox::toggled, this, [this](bool checked) {
        if (m_loading)
            return;
        m_context.settings.UseBoxes = !checked;
        m_options.UseBoxes = !checked;
    });
    connect(m_letters, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (m_loading)
            return;
        const QByteArray letters = Ansi::trimSpaces(Ansi::fromUnicode(text)).left(SettingsLimits::LettersHeld);
        m_context.settings.Letters = Ansi::toUnicode(letters);
        m_options.Letters = letters;
    });
    connect(m_select, &QPushButton::clicked, this, &TMyReport::SelectClick);
    connect(m_boxColor, &QPushButton::clicked, this, &TMyReport::BoxColorClick);
    return panel;
}

void TMyReport::LayoutSetup()
{
    // The settings give the starting values, the layout's grid and heading objects override them;
    // the chosen partial answers stay.
    const auto flags = m_options.PartialFlags;
    const TPageLayout layout = PuzzleLayout(m_puzzle);
    m_options = RenderOptionsFromSettings(m_context.settings, layout);
    m_options.PartialFlags = flags;

    m_fontEntries = BuildFontMenu(layout);
    m_fontMenu->clear();
    for (int i = 0; i < m_fontEntries.size(); ++i) {
        QString caption = m_fontEntries[i].Caption;
        caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
        m_fontMenu->addAction(caption, this, [this, i] { FontMenuClick(i); });
    }
    m_thumbnail->setPageLayout(layout);
    loadControls();
}

void TMyReport::loadControls()
{
    m_loading = true;
    m_printTitle->setChecked(m_options.PrintTitle);
    m_printBody->setChecked(m_options.PrintBody);
    m_printClues->setChecked(m_options.PrintClues);
    m_printWords->setChecked(m_options.PrintWords);
    m_printBonus->setChecked(m_options.PrintBonus);
    m_answerKey->setChecked(m_options.AnswerKey);
    m_partialAnswers->setChecked(m_options.PartialAnswers);
    m_partialLetters->setChecked(m_options.PartialLetters);
    if (Ansi::fromUnicode(m_letters->text()) != m_options.Letters)
        m_letters->setText(Ansi::toUnicode(m_options.Letters));
    m_skeleton->setChecked(!m_options.UseBoxes);
    m_loading = false;
    showBoxColor();
    EnableDisable();
}

void TMyReport::EnableDisable()
{
    const bool key = m_options.AnswerKey;
    m_partialAnswers->setEnabled(!key);
    m_select->setEnabled(!key && m_options.PartialAnswers);
    m_partialLetters->setEnabled(!key);
    m_letters->setEnabled(!key && m_options.PartialLetters);
}

void TMyReport::showBoxColor()
{
    QPalette palette = m_boxSample->palette();
    palette.setColor(QPalette::Window, ColorFromWindows(m_options.BoxColor));
    m_boxSample->setPalette(palette);
}

void TMyReport::showEvent(QShowEvent* event)
{
    if (!m_shown) {
        m_shown = true;
        PrepareDialog(this, m_context);
    }
    QDialog::showEvent(event);
}
