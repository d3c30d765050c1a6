#include "words/ui/WordList.h"

#include "render/PageRenderer.h"

#include "ui/AppContext.h"
#include "ui/WindowSetup.h"
#include "pages/Thumbnail.h"
#include "shapes/ui/ShapeListPanel.h"
#include "store/Ansi.h"
#include "store/Collection.h"
#include "store/ListOrder.h"
#include "ui/Windows1252Text.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

/** Design size of the editor before scaling. */
constexpr int DesignWidth = 620;
constexpr int DesignHeight = 440;
/** Side of the shape preview. */
constexpr int ShapePreviewSide = 100;
/** Size of the page layout preview. */
constexpr int LayoutPreviewWidth = 68;
constexpr int LayoutPreviewHeight = 88;
/** Characters one may type into BonusQuest and Attempts. */
constexpr int BonusQuestionTyped = 120;
constexpr int AttemptsTyped = 3;

} // namespace

TWordList::TWordList(AppContext& context, QWidget* parent)
    : QDialog(parent)
    , m_context(context)
    , m_newPuzzle(context.Working.IsNewPuzzle)
{
    setObjectName(QStringLiteral("TWordList"));
    setWindowTitle(QStringLiteral("Word List Input"));
    setModal(true);
    buildControls();
    connectWordTools();
    connectAssistant();

    // What showing the editor does, in its order (the shape list filled itself when it was
    // built): grid, categories and texts, the create options and the layout preview, the mode.
    fillGridFromRecord();
    loadCategories();
    const TPuzzleRecord& puzzle = m_context.Working.CurrentPuzzle;
    const QString bonus = Ansi::toUnicode(puzzle.BonusQuestion.text());
    // A stored bonus question may be longer than the field lets one type; it is kept whole.
    m_bonus->setMaxLength(std::max<int>(BonusQuestionTyped, int(bonus.size())));
    m_bonus->setText(bonus);
    m_title->setText(Ansi::toUnicode(puzzle.Title.text()));
    m_category->setEditText(Ansi::toUnicode(puzzle.Category.text()));
    m_attempts->setText(QString::number(m_context.settings.Attempts));
    m_shrink->setChecked(m_context.settings.Shrink);
    m_quick->setChecked(m_context.settings.QuickBuild);
    refreshLayoutPreview();
    applyMode();
    applySpellingAvailability();
    applyAssistantAvailability();
    if (!m_newPuzzle)
        m_snapshot = puzzle;
    else
        m_openedRows = editorInput().Rows;
}

TWordList::~TWordList() = default;

void TWordList::buildControls()
{
    auto* root = new QVBoxLayout(this);

    // Title, category and bonus question.
    auto* texts = new QGridLayout;
    m_title = new QLineEdit(this);
    m_title->setObjectName(QStringLiteral("Title"));
    m_title->setMaxLength(Limits::TitleLength);
    AcceptWindows1252Only(m_title);
    m_category = new QComboBox(this);
    m_category->setObjectName(QStringLiteral("Category"));
    m_category->setEditable(true);
    m_category->setInsertPolicy(QComboBox::NoInsert);
    m_category->lineEdit()->setMaxLength(Limits::CategoryLength);
    AcceptWindows1252Only(m_category);
    m_bonus = new QLineEdit(this);
    m_bonus->setObjectName(QStringLiteral("BonusQuest"));
    AcceptWindows1252Only(m_bonus);
    auto* titleLabel = new QLabel(QStringLiteral("P&uzzle Title"), this);
    titleLabel->setBuddy(m_title);
    auto* categoryLabel = new QLabel(QStringLiteral("Cate&gory"), this);
    categoryLabel->setBuddy(m_category);
    auto* bonusLabel = new QLabel(QStringLiteral("&Bonus Question"), this);
    bonusLabel->setBuddy(m_bonus);
    texts->addWidget(titleLabel, 0, 0);
    texts->addWidget(m_title, 0, 1);
    texts->addWidget(categoryLabel, 0, 2);
    texts->addWidget(m_category, 0, 3);
    texts->addWidget(bonusLabel, 1, 0);
    texts->addWidget(m_bonus, 1, 1, 1, 3);
    texts->setColumnStretch(1, 3);
    texts->setColumnStretch(3, 2);
    root->addLayout(texts);

    // The grid on the left, shape, layout and create options on the right.
    auto* middle = new QHBoxLayout;
    buildGrid();
    middle->addWidget(m_grid, 3);

    auto* side = new QVBoxLayout;
    // Filling the panel loads the shape into CurrentShape: the "Last Shape" record for a new
    // puzzle, the puzzle's own shape for a stored one (the panel is then disabled).
    m_shapes = new ShapeListPanel(m_context,
                                  m_newPuzzle ? ShapeListHost::EditorNewPuzzle : ShapeListHost::EditorExistingPuzzle,
                                  QSize(ShapePreviewSide, ShapePreviewSide), this);
    side->addWidget(m_shapes, 1);

    auto* lower = new QHBoxLayout;
    auto* layoutBox = new QGroupBox(QStringLiteral("Page Layout"), this);
    auto* layoutLayout = new QVBoxLayout(layoutBox);
    layoutLayout->setContentsMargins(4, 4, 4, 4);
    m_layoutImage = new QLabel(layoutBox);
    m_layoutImage->setObjectName(QStringLiteral("Img"));
    m_layoutImage->setFixedSize(LayoutPreviewWidth, LayoutPreviewHeight);
    layoutLayout->addWidget(m_layoutImage, 0, Qt::AlignHCenter);
    m_changeLayout = MakeDialogButton("Change La&yout", "ChangeLayoutButton", layoutBox);
    layoutLayout->addWidget(m_changeLayout);
    lower->addWidget(layoutBox);

    auto* createBox = new QGroupBox(QStringLiteral("Create Options"), this);
    auto* createLayout = new QVBoxLayout(createBox);
    createLayout->setContentsMargins(6, 4, 6, 4);
    auto* attemptsLabel = new QLabel(QStringLiteral("Creation Attempts"), createBox);
    m_attempts = new QLineEdit(createBox);
    m_attempts->setObjectName(QStringLiteral("Attempts"));
    m_attempts->setMaxLength(AttemptsTyped);
    m_attempts->setFixedWidth(48);
    attemptsLabel->setBuddy(m_attempts);
    m_shrink = new QCheckBox(QStringLiteral("Shrin&k"), createBox);
    m_shrink->setObjectName(QStringLiteral("AutoShrink"));
    m_quick = new QCheckBox(QStringLiteral("&Quick Create"), createBox);
    m_quick->setObjectName(QStringLiteral("QuickCreate"));
    m_create = MakeDialogButton("&Create", "CreateIt", createBox);
    createLayout->addWidget(attemptsLabel);
    createLayout->addWidget(m_attempts);
    createLayout->addWidget(m_shrink);
    createLayout->addWidget(m_quick);
    createLayout->addStretch(1);
    createLayout->addWidget(m_create);
    lower->addWidget(createBox, 1);
    side->addLayout(lower);
    middle->addLayout(side, 2);
    root->addLayout(middle, 1);

    // Word list tools, then the closing commands.
    auto* tools = new QHBoxLayout;
    m_delete = MakeDialogButton("De&lete", "DeleteButton", this);
    m_deleteAll = MakeDialogButton("Delete &All", "DeleteAllButton", this);
    m_import = MakeDialogButton("&Import", "ImportButton", this);
    m_export = MakeDialogButton("&Export", "ExportButton", this);
    m_suggestClues = MakeDialogButton("Suggest Clues", "SuggestCluesButton", this);
    m_themeWords = MakeDialogButton("T&heme Words", "ThemeWordsButton", this);
    m_spell = MakeDialogButton("&Spell Check", "SpellCheckButton", this);
    m_thesaurus = MakeDialogButton("&Thesaurus", "ThesaurusButton", this);
    m_intChars = MakeDialogButton("International Characters", "IntCharsButton", this);
    for (QPushButton* b : {m_delete, m_deleteAll, m_import, m_export, m_suggestClues, m_themeWords})
        tools->addWidget(b);
    tools->addStretch(1);
    root->addLayout(tools);

    auto* commands = new QHBoxLayout;
    m_addWords = MakeDialogButton("Add &Words", "AddWordsButton", this);
    m_save = MakeDialogButton("Sa&ve", "SaveButton", this);
    m_exit = MakeDialogButton("E&xit", "ExitButton", this);
    // Two rows of buttons keep the editor within a 640 x 480 screen.
    for (QPushButton* b : {m_spell, m_thesaurus, m_intChars})
        commands->addWidget(b);
    commands->addStretch(1);
    for (QPushButton* b : {m_addWords, m_save, m_exit})
        commands->addWidget(b);
    root->addLayout(commands);

    connect(m_create, &QPushButton::clicked, this, &TWordList::CreateItClick);
    connect(m_save, &QPushButton::clicked, this, &TWordList::SaveButtonClick);
    connect(m_exit, &QPushButton::clicked, this, &TWordList::ExitButtonClick);
    connect(m_delete, &QPushButton::clicked, this, &TWordList::DeleteButtonClick);
    connect(m_deleteAll, &QPushButton::clicked, this, &TWordList::DeleteAllButtonClick);
    connect(m_addWords, &QPushButton::clicked, this, &TWordList::AddWordsButtonClick);
    connect(m_changeLayout, &QPushButton::clicked, this, &TWordList::ChangeLayoutClick);
    connect(m_spell, &QPushButton::clicked, this, &TWordList::SpellCheckClick);
    connect(m_thesaurus, &QPushButton::clicked, this, &TWordList::ThesaurusClick);
    connect(m_shrink, &QCheckBox::clicked, this, [this](bool on) { m_context.settings.Shrink = on; });
    connect(m_quick, &QCheckBox::clicked, this, [this](bool on) { m_context.settings.QuickBuild = on; });

    resize(DesignWidth, DesignHeight);
}

void TWordList::applyMode()
{
    // A new puzzle is saved from the created puzzle view; a stored one keeps its words and shape.
    m_save->setVisible(!m_newPuzzle);
    m_addWords->setVisible(!m_newPuzzle);
    for (QWidget* w : {static_cast<QWidget*>(m_create), static_cast<QWidget*>(m_shrink), static_cast<QWidget*>(m_quick),
                       static_cast<QWidget*>(m_attempts), static_cast<QWidget*>(m_delete),
                       static_cast<QWidget*>(m_deleteAll)})
        w->setEnabled(m_newPuzzle);
    if (!m_newPuzzle)
        m_import->setEnabled(false);
}

void TWordList::loadCategories()
{
    // The main window's category list: the collection's categories in case-insensitive order.
    const CollectionIndex index = ListCollection(m_context.Working.CurrentCollection);
    QStringList names;
    for (const QByteArray& category : index.Categories)
        names.append(Ansi::toUnicode(category));
    std::stable_sort(names.begin(), names.end(), ListOrder::Less);
    m_category->clear();
    m_category->addItems(names);
}

void TWordList::refreshLayoutPreview()
{
    QPixmap picture(m_layoutImage->size());
    const QColor background = palette().color(QPalette::Window);
    picture.fill(background);
    {
        QPainter painter(&picture);
        const TPuzzleRecord& puzzle = m_context.Working.CurrentPuzzle;
        const TPageLayout layout = PuzzleLayout(puzzle);
        DrawThumbnail(painter, QRect(QPoint(0, 0), picture.size()), layout, background);
    }
    m_layoutImage->setPixmap(picture);
}

void TWordList::showEvent(QShowEvent* event)
{
    const bool first = !m_shown;
    if (first) {
        m_shown = true;
        PrepareDialog(this, m_context);
        // The layout's picture is drawn again at the size the screen size gave its box.
        refreshLayoutPreview();
    }
    QDialog::showEvent(event);
    if (first)
        m_title->setFocus();
}

void TWordList::closeEvent(QCloseEvent* event)
{
    // The close button asks like Exit; the window goes only when Exit lets it.
    event->ignore();
    ExitButtonClick();
}

void TWordList::reject()
{
    ExitButtonClick();
}
