#include "app/MainWin.h"

#include "app/Background.h"
#include "app/RecentFiles.h"
#include "ui/HelpKey.h"
#include "ui/ScreenSize.h"
#include "ui/SettingsKeeper.h"
#include "app/ToolbarIcons.h"
#include "ui/WindowFit.h"
#include "ui/WindowSetup.h"
#include "pages/ui/FontChooser.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QScreen>
#include <QToolBar>
#include <QVBoxLayout>
#include <cmath>

// Resources of a static library have to be registered by name, outside any namespace.
static void InitMainWinResources()
{
    Q_INIT_RESOURCE(MainWin);
}

namespace {

/** Design client size of the main window at the 640 x 480 screen size. */
constexpr int DesignWidth = 620;
constexpr int DesignHeight = 420;
/** Toolbar picture size at the 640 x 480 screen size. */
constexpr int DesignIconSize = 24;

/** The captions of the spelling languages 1..8. */
const char* const DictionaryCaptions[] = {"&American", "&British", "&Spanish", "&Italian",
                                          "&French",   "&German",  "&Dutch",   "S&wedish"};

/**
 * In a list with nothing chosen, the first arrow key, Home or End chooses a row at once: Qt takes
 * the first row as current on focus without choosing it, so Down would skip it and Home do nothing.
 */
class FirstKeyChooses : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* list = qobject_cast<QListWidget*>(watched);
        if (event->type() != QEvent::KeyPress || !list || list->count() == 0 || !list->selectedItems().isEmpty()
            || static_cast<QKeyEvent*>(event)->modifiers() != Qt::NoModifier)
            return false;
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Down:
        case Qt::Key_Up:
        case Qt::Key_Home:
        case Qt::Key_PageDown:
        case Qt::Key_PageUp:
            list->setCurrentRow(0);
            return true;
        case Qt::Key_End:
            list->setCurrentRow(list->count() - 1);
            return true;
        default:
            return false;
        }
    }
};

} // namespace

TMainWin::TMainWin(const QString& startDir, const QString& programDir, QSize screenSize, QWidget* parent)
    : QMainWindow(parent)
    , m_context(startDir, programDir)
{
    InitMainWinResources();
    setObjectName(QStringLiteral("MainWin"));

    m_context.settings = LoadSettings(m_context.StartDir);
    m_settingsKeeper = std::make_unique<SettingsKeeper>(m_context.settings, m_context.StartDir);
    m_context.Working.CurrentCollection = m_context.settings.LastGroup;
    m_context.RequestSelection = [this](const QByteArray& category, const QByteArray& title) {
        RequestSelection(category, title);
        LoadInPuzzles();
    };

    InstallHelpKey(m_context, this);
    m_hooks.ChooseFont = ChooseCanvasFont;
    m_hooks.OpenUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    InstallWindowOpeners();

    BuildLists();
    BuildMenus();
    BuildToolBar();

    // The rest of start-up, in its order; showing and the first activation finish it.
    // Spelling and thesaurus availability: the language items are checked as chosen.
    // The background item is checked when its setting is on.
    SetUpSpelling();
    UpdateChecks();
    SetMenuLastFiles();
    LoadInPuzzles();
    if (m_puzzleBox->count() > 0)
        m_puzzleBox->setCurrentRow(0);

    m_screen = screenSize;
    if (m_screen.isEmpty()) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        m_screen = screen ? screen->size() : QSize(640, 480);
    }
    m_sizeInForce = ScreenSize::AtStart(m_context.settings.WindowSize, m_screen);
    m_context.ScaleFactor = ScreenSize::FactorOf(m_sizeInForce);
    // The screen size and pixel format items.
    UpdateChecks();

    setAcceptDrops(true);
    RecordDesignGeometry();
    // Conversion of old-version data runs here, once the design geometry is recorded.
    // The page designer's hand cursor is Qt's own pointing hand: there is nothing to load.
    CheckForOldVersions();
    m_groupName = GroupNameOf(m_context.Working.CurrentCollection);
    DoCaption();
    EnableDisable();
}

TMainWin::~TMainWin()
{
    // The other windows capture this window in the shared context; they are gone by now.
    m_context.RequestSelection = nullptr;
}

QSize TMainWin::DesignSize()
{
    return {DesignWidth, DesignHeight};
}

void TMainWin::SetHooks(TMainWinHooks hooks)
{
    m_hooks = std::move(hooks);
    EnableDisable();
}

QAction* TMainWin::AddCommand(QMenu* menu, const char* objectName, const QString& caption, const QKeySequence& key,
                              const QString& hint, void (TMainWin::*slot)())
{
    std::function<void()> run;
    if (slot)
        run = [this, slot] { (this->*slot)(); };
    return AddCommand(menu, objectName, caption, key, hint, std::move(run));
}

QAction* TMainWin::AddCommand(QMenu* menu, const char* objectName, const QString& caption, const QKeySequence& key,
                              const QString& hint, std::function<void()> run)
{
    auto* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(objectName));
    if (!key.isEmpty())
        action->setShortcut(key);
    if (!hint.isEmpty())
        action->setToolTip(hint);
    if (run)
        connect(action, &QAction::triggered, this, std::move(run));
    else
        action->setEnabled(false); // a command with nothing to run stays greyed
    m_actions.insert(action->objectName(), action);
    return action;
}

void TMainWin::BuildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("FileMenu"));
    AddCommand(file, "MenuNewGroup", QStringLiteral("&New Puzzle Collection File"), QKeySequence(QStringLiteral("Ctrl+N")),
               QStringLiteral("Create New Puzzle Collection File"), &TMainWin::NewGroup);
    AddCommand(file, "MenuOpenGroup", QStringLiteral("&Open Puzzle Collection File"), QKeySequence(QStringLiteral("Ctrl+O")),
               QStringLiteral("Open Puzzle Collection File"), &TMainWin::OpenGroup);
    file->addSeparator();
    AddCommand(file, "MenuNewPuzzle", QStringLiteral("Ne&w Puzzle"), QKeySequence(QStringLiteral("Ctrl+W")),
               QStringLiteral("Create New Puzzle"), &TMainWin::MakeNewPuzzle);
    AddCommand(file, "MenuModify", QStringLiteral("&Modify Puzzle"), QKeySequence(QStringLiteral("Ctrl+M")),
               QStringLiteral("Modify Puzzle"), &TMainWin::ModifyPuzzle);
    AddCommand(file, "MenuCopy", QStringLiteral("&Copy Puzzle"), QKeySequence(QStringLiteral("Ctrl+C")),
               QStringLiteral("Copy Puzzle"), &TMainWin::CopyPuzzle);
    AddCommand(file, "MenuDelete", QStringLiteral("&Delete Puzzle"), QKeySequence(QStringLiteral("Ctrl+D")),
               QStringLiteral("Delete Puzzle"), &TMainWin::DeletePuzzle);
    file->addSeparator();
    AddCommand(file, "MenuImport", QStringLiteral("&Import Puzzles"), QKeySequence(QStringLiteral("Ctrl+I")),
               QStringLiteral("Import Puzzles"), &TMainWin::ImportPuzzle);
    AddCommand(file, "MenuExport", QStringLiteral("&Export Puzzles"), QKeySequence(QStringLiteral("Ctrl+E")),
               QStringLiteral("Export Puzzles"), &TMainWin::ExportPuzzle);
    file->addSeparator();
    AddCommand(file, "MenuPrint", QStringLiteral("&Print Puzzle"), QKeySequence(QStringLiteral("Ctrl+P")),
               QStringLiteral("Print Puzzle"), &TMainWin::PrintPuzzle);
    AddCommand(file, "MenuPrintBooklet", QStringLiteral("Print &Booklet"), QKeySequence(QStringLiteral("Ctrl+B")),
               QStringLiteral("Print Booklet"), &TMainWin::PrintBooklet);
    AddCommand(file, "MenuPrinterSetup", QStringLiteral("Printer &Setup"), QKeySequence(QStringLiteral("Ctrl+S")), {},
               &TMainWin::PrinterSetup);
    file->addSeparator();
    AddCommand(file, "MenuExit", QStringLiteral("E&xit"), QKeySequence(QStringLiteral("Ctrl+X")),
               QStringLiteral("Exit Program"), [this] { close(); });
    m_lastFileSeparator = file->addSeparator();
    m_lastFileSeparator->setObjectName(QStringLiteral("LastFileSeparator"));
    for (int i = 0; i < int(m_lastFileItems.size()); ++i) {
        QAction* item = file->addAction(QStringLiteral("&%1").arg(i + 1));
        item->setObjectName(QStringLiteral("MenuLastFile%1").arg(i + 1));
        connect(item, &QAction::triggered, this, [this, i] { OpenSaveFile(i + 1); });
        m_lastFileItems[std::size_t(i)] = item;
    }

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("EditMenu"));
    AddCommand(edit, "MenuPageLayout", QStringLiteral("&Page Layout"), QKeySequence(QStringLiteral("Ctrl+L")),
               QStringLiteral("Page Layout Designer"), &TMainWin::PageLayouts);
    AddCommand(edit, "MenuPuzzleShape", QStringLiteral("Puzzle &Shape"), QKeySequence(QStringLiteral("Ctrl+H")),
               QStringLiteral("Create Puzzle Shape"), &TMainWin::SelectShapes);
    AddCommand(edit, "MenuPuzzleWords", QStringLiteral("Puzzle &Words"), QKeySequence(QStringLiteral("Ctrl+F")),
               QStringLiteral("Modify Puzzle Words"), &TMainWin::AddWords);

    QMenu* options = menuBar()->addMenu(QStringLiteral("&Options"));
    options->setObjectName(QStringLiteral("OptionsMenu"));
    // Ctrl+H belongs to "Puzzle &Shape" on the window; here it only answers inside the open menu.
    QAction* clueHeaders = AddCommand(options, "MenuClueHeaders", QStringLiteral("&Clue Headers"),
                                      QKeySequence(QStringLiteral("Ctrl+H")), {}, &TMainWin::ClueHeaders);
    clueHeaders->setShortcutContext(Qt::WidgetShortcut);
    options->addSeparator();

    QMenu* screen = options->addMenu(QStringLiteral("S&creen Size"));
    screen->setObjectName(QStringLiteral("ScreenSizeMenu"));
    const char* const screenKeys[] = {"Ctrl+F1", "Ctrl+F2", "Ctrl+F3", "Ctrl+F4"};
    for (std::size_t i = 0; i < ScreenSizes.size(); ++i) {
        const int size = ScreenSizes[i];
        QAction* item = screen->addAction(QStringLiteral("%1 x %2").arg(size).arg(ScreenSize::HeightOf(size)));
        item->setObjectName(QStringLiteral("MenuScreen%1").arg(size));
        item->setCheckable(true);
        item->setShortcut(QKeySequence(QLatin1String(screenKeys[i])));
        connect(item, &QAction::triggered, this, [this, size] { ChooseScreenSize(size); });
        m_screenItems.insert(size, item);
        m_actions.insert(item->objectName(), item);
    }
    QAction* background = AddCommand(options, "MenuBackground", QStringLiteral("&Background Bitmap"),
                                     QKeySequence(QStringLiteral("Ctrl+G")), {}, &TMainWin::ToggleBackground);
    background->setCheckable(true);
    options->addSeparator();

    QMenu* dictionary = options->addMenu(QStringLiteral("&Dictionary Type"));
    dictionary->setObjectName(QStringLiteral("DictionaryMenu"));
    QAction* chooseLanguage = dictionary->addAction(QStringLiteral("&Choose At Spell Check Time"));
    chooseLanguage->setObjectName(QStringLiteral("MenuDictionaryChoose"));
    m_dictionaryItems.insert(9, chooseLanguage);
    dictionary->addSeparator();
    for (int code = 1; code <= 8; ++code) {
        QAction* item = dictionary->addAction(QLatin1String(DictionaryCaptions[code - 1]));
        item->setObjectName(QStringLiteral("MenuDictionary%1").arg(code));
        m_dictionaryItems.insert(code, item);
    }
    for (auto it = m_dictionaryItems.cbegin(); it != m_dictionaryItems.cend(); ++it) {
        const int code = it.key();
        it.value()->setCheckable(true);
        connect(it.value(), &QAction::triggered, this, [this, code] { ChooseDictionary(code); });
        m_actions.insert(it.value()->objectName(), it.value());
    }

    QMenu* thesaurus = options->addMenu(QStringLiteral("&Thesaurus Type"));
    thesaurus->setObjectName(QStringLiteral("ThesaurusMenu"));
    QAction* chooseThesaurus = thesaurus->addAction(QStringLiteral("&Choose at Thesaurus Use Time"));
    chooseThesaurus->setObjectName(QStringLiteral("MenuThesaurusChoose"));
    m_thesaurusItems.insert(3, chooseThesaurus);
    thesaurus->addSeparator();
    m_thesaurusItems.insert(1, thesaurus->addAction(QStringLiteral("&American")));
    m_thesaurusItems.value(1)->setObjectName(QStringLiteral("MenuThesaurus1"));
    m_thesaurusItems.insert(2, thesaurus->addAction(QStringLiteral("&British")));
    m_thesaurusItems.value(2)->setObjectName(QStringLiteral("MenuThesaurus2"));
    for (auto it = m_thesaurusItems.cbegin(); it != m_thesaurusItems.cend(); ++it) {
        const int code = it.key();
        it.value()->setCheckable(true);
        connect(it.value(), &QAction::triggered, this, [this, code] { ChooseThesaurus(code); });
        m_actions.insert(it.value()->objectName(), it.value());
    }
    AddCommand(options, "MenuAddToDictionary", QStringLiteral("&Add to Dictionary"), {}, {}, &TMainWin::AddToDictionary);
    AddCommand(options, "MenuExcludeFromDictionary", QStringLiteral("&Exclude From Dictionary"), {}, {},
               &TMainWin::ExcludeFromDictionary);
    options->addSeparator();

    const std::pair<const char*, const char*> fontItems[] = {
        {"MenuLabelFont", "&Label Font"}, {"MenuEditFont", "E&dit Font"}, {"MenuButtonFont", "B&utton Font"}};
    const char* const fontKeys[] = {"Shift+F8", "Shift+F9", "Shift+F10"};
    for (int which = 0; which < 3; ++which) {
        AddCommand(options, fontItems[which].first, QLatin1String(fontItems[which].second),
                   QKeySequence(QLatin1String(fontKeys[which])), {}, [this, which] { ChooseUserFont(which); });
    }
    options->addSeparator();

    AddCommand(options, "MenuJpegFactor", QStringLiteral("&JPEG Compression Factor"), {}, {}, &TMainWin::JpegFactor);
    QMenu* colours = options->addMenu(QStringLiteral("C&olors For Saving Bitmaps && JPEGs"));
    colours->setObjectName(QStringLiteral("ColorsMenu"));
    const std::pair<int, const char*> colourItems[] = {{1, "&16 Million Colors"}, {2, "&256 Colors"}};
    for (const auto& [format, caption] : colourItems) {
        QAction* item = colours->addAction(QLatin1String(caption));
        item->setObjectName(format == 1 ? QStringLiteral("MenuColors16M") : QStringLiteral("MenuColors256"));
        item->setCheckable(true);
        const int chosen = format;
        connect(item, &QAction::triggered, this, [this, chosen] { ChoosePixelFormat(chosen); });
        m_pixelFormatItems.insert(format, item);
        m_actions.insert(item->objectName(), item);
    }
    options->addSeparator();
    AddCommand(options, "MenuIntChars", QStringLiteral("&International Characters"), {}, {},
               &TMainWin::InternationalCharacters);
    AddCommand(options, "MenuWordSeparators", QStringLiteral("&Word Separator Chars"), {}, {}, &TMainWin::WordSeparators);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("HelpMenu"));
    AddCommand(help, "MenuHelpContents", QStringLiteral("&Contents"), QKeySequence(QStringLiteral("Ctrl+K")),
               QStringLiteral("Help"), &TMainWin::HelpContents);
    AddCommand(help, "MenuUserManual", QStringLiteral("&User Manual"), {}, {}, &TMainWin::UserManual);
    AddCommand(help, "MenuTips", QStringLiteral("&Review Tips of the Day"), {}, {}, &TMainWin::ReviewTips);
    AddCommand(help, "MenuDataExchange", QStringLiteral("&Data Exchange via Internet"), {}, {}, &TMainWin::DataExchange);
    help->addSeparator();
    AddCommand(help, "MenuAbout", QStringLiteral("&About"), {}, {}, &TMainWin::About);
    AddCommand(help, "MenuOtherProducts", QStringLiteral("Other &Products"), {}, {}, &TMainWin::OtherProducts);
    AddCommand(help, "MenuOrder", QStringLiteral("&Order"), {}, {}, &TMainWin::Order);
}

void TMainWin::BuildToolBar()
{
    m_toolBar = addToolBar(QStringLiteral("Commands"));
    m_toolBar->setObjectName(QStringLiteral("ToolBar"));
    m_toolBar->setMovable(false);
    m_toolBar->setIconSize(QSize(DesignIconSize, DesignIconSize));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    const std::pair<const char*, const char*> buttons[] = {
        {"MenuNewGroup", "NewGroup"},         {"MenuOpenGroup", "OpenGroup"},       {nullptr, nullptr},
        {"MenuNewPuzzle", "NewPuzzle"},       {"MenuModify", "ModifyPuzzle"},       {"MenuCopy", "CopyPuzzle"},
        {"MenuDelete", "DeletePuzzle"},       {nullptr, nullptr},                   {"MenuImport", "ImportPuzzles"},
        {"MenuExport", "ExportPuzzles"},      {"MenuPrint", "PrintPuzzle"},         {"MenuPrintBooklet", "PrintBooklet"},
        {nullptr, nullptr},
        {"MenuPageLayout", "PageLayout"},     {"MenuPuzzleShape", "PuzzleShape"},   {"MenuPuzzleWords", "PuzzleWords"},
        {nullptr, nullptr},                   {"MenuHelpContents", "Help"},         {"MenuExit", "Exit"}};
    for (const auto& [actionName, iconName] : buttons) {
        if (!actionName) {
            m_toolBar->addSeparator();
            continue;
        }
        QAction* action = m_actions.value(QLatin1String(actionName));
        action->setIcon(ToolbarIcon(QLatin1String(iconName)));
        action->setIconVisibleInMenu(false);
        m_toolBar->addAction(action);
    }
}

void TMainWin::BuildLists()
{
    m_panel = new TBackgroundPanel(this);
    m_panel->setObjectName(QStringLiteral("Background"));
    setCentralWidget(m_panel);

    m_categoryBox = new QListWidget(m_panel);
    m_categoryBox->setObjectName(QStringLiteral("CategoryBox"));
    m_categoryBox->setSelectionMode(QAbstractItemView::SingleSelection);
    m_puzzleBox = new QListWidget(m_panel);
    m_puzzleBox->setObjectName(QStringLiteral("PuzzleBox"));
    m_puzzleBox->setSelectionMode(QAbstractItemView::SingleSelection);
    m_puzzleBox->installEventFilter(new FirstKeyChooses(m_puzzleBox));

    auto* categoryLabel = new QLabel(QStringLiteral("&Categories"), m_panel);
    categoryLabel->setObjectName(QStringLiteral("CategoryLabel"));
    categoryLabel->setBuddy(m_categoryBox);
    auto* puzzleLabel = new QLabel(QStringLiteral("&Puzzles"), m_panel);
    puzzleLabel->setObjectName(QStringLiteral("PuzzleLabel"));
    puzzleLabel->setBuddy(m_puzzleBox);

    auto* categoryColumn = new QVBoxLayout;
    categoryColumn->setSpacing(4);
    categoryColumn->addWidget(categoryLabel);
    categoryColumn->addWidget(m_categoryBox, 1);
    auto* puzzleColumn = new QVBoxLayout;
    puzzleColumn->setSpacing(4);
    puzzleColumn->addWidget(puzzleLabel);
    puzzleColumn->addWidget(m_puzzleBox, 1);
    auto* columns = new QHBoxLayout(m_panel);
    columns->setContentsMargins(16, 12, 16, 16);
    columns->setSpacing(16);
    columns->addLayout(categoryColumn, 2);
    columns->addLayout(puzzleColumn, 3);

    connect(m_categoryBox, &QListWidget::currentRowChanged, this, &TMainWin::CategoryRowChanged);
    connect(m_puzzleBox, &QListWidget::itemSelectionChanged, this, [this] {
        if (!m_filling)
            EnableDisable();
    });
    connect(m_puzzleBox, &QListWidget::itemDoubleClicked, this, [this] { PrintPuzzle(); });
}

void TMainWin::UpdateChecks()
{
    const Settings& s = m_context.settings;
    for (auto it = m_screenItems.cbegin(); it != m_screenItems.cend(); ++it)
        it.value()->setChecked(it.key() == m_sizeInForce);
    m_actions.value(QStringLiteral("MenuBackground"))->setChecked(s.BackgroundBitmap);
    m_panel->SetTiled(s.BackgroundBitmap);
    for (auto it = m_dictionaryItems.cbegin(); it != m_dictionaryItems.cend(); ++it)
        it.value()->setChecked(it.key() == s.Dictionary);
    for (auto it = m_thesaurusItems.cbegin(); it != m_thesaurusItems.cend(); ++it)
        it.value()->setChecked(it.key() == s.Thesaurus);
    for (auto it = m_pixelFormatItems.cbegin(); it != m_pixelFormatItems.cend(); ++it)
        it.value()->setChecked(it.key() == s.PixelFormat);
}

void TMainWin::RecordDesignGeometry()
{
    resize(DesignSize());
    m_designFonts.clear();
    m_designFonts.emplace_back(this, font().pointSizeF());
    const auto children = findChildren<QWidget*>();
    for (QWidget* child : children)
        m_designFonts.emplace_back(child, child->font().pointSizeF());
}

void TMainWin::ApplyScreenSize()
{
    const double factor = std::round(m_context.ScaleFactor * 100.0) / 100.0;
    // Never larger than the screen's free area, whatever the screen size option says.
    resize(QSize(int(DesignWidth * factor), int(DesignHeight * factor)).boundedTo(AvailableArea(this).size()));
    ScaleFonts();
    ScaleSpacing(this, factor);
    const int icon = int(DesignIconSize * factor);
    m_toolBar->setIconSize(QSize(icon, icon));
    QPoint origin;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        origin = screen->geometry().topLeft();
    move(origin + ScreenSize::MainWindowPosition(m_screen, size()));
}

void TMainWin::ScaleFonts()
{
    const double factor = std::round(m_context.ScaleFactor * 100.0) / 100.0;
    for (const auto& [control, designSize] : m_designFonts) {
        const qreal base = control ? FontBaseSize(control, designSize) : 0;
        if (base <= 0)
            continue;
        QFont scaled = control->font();
        scaled.setPointSizeF(base * factor);
        control->setFont(scaled);
    }
}

void TMainWin::showEvent(QShowEvent* event)
{
    if (m_firstShow) {
        m_firstShow = false;
        ApplyUserFonts(this, m_context);
        ApplyScreenSize();
        m_groupName = GroupNameOf(m_context.Working.CurrentCollection);
        DoCaption();
        EnableDisable();
    }
    QMainWindow::showEvent(event);
}

void TMainWin::closeEvent(QCloseEvent* event)
{
    // Every change to a collection and to a setting was written when it was made; the settings
    // are written once more in case a write failed.
    m_context.settings.LastGroup = m_context.Working.CurrentCollection;
    m_settingsKeeper->Write();
    event->accept();
}
