#include "app/TipOfTheDay.h"

#include "ui/AppContext.h"
#include "ui/WindowSetup.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int DesignWidth = 400;
constexpr int DesignHeight = 200;

} // namespace

const std::array<QString, TTipOfTheDay::TipCount>& TTipOfTheDay::Tips()
{
    static const std::array<QString, TipCount> tips{
        QStringLiteral("Words and clues can be spell-checked in eight languages.  Pick one under Options, Dictionary "
                       "Type, or let Quorvex ask each time you check."),
        QStringLiteral("Names and special words the dictionary does not know can go into your own dictionary with "
                       "Options, Add to Dictionary; words to flag go in with Exclude From Dictionary."),
        QStringLiteral("Stuck for a clue?  The thesaurus in the word list editor offers synonyms for the selected "
                       "word and takes the one you pick as its clue."),
        QStringLiteral("Answers made of several words can show where the words break: choose the separator "
                       "characters under Options, Word Separator Chars."),
        QStringLiteral("Don't like the look of the windows?  Options, Label Font, Edit Font and Button Font change "
                       "the typefaces, styles and colours used everywhere."),
        QStringLiteral("A puzzle's title and category can be changed after it was created: select it and choose "
                       "File, Modify Puzzle."),
        QStringLiteral("Clues can be reworded at any time after the puzzle was created with File, Modify Puzzle; "
                       "the grid stays as it is."),
        QStringLiteral("Room left in a finished grid?  Edit, Puzzle Words lets you type new words into it by hand "
                       "and give each one a clue."),
        QStringLiteral("The page layout and the bonus question of a created puzzle can still be changed with File, "
                       "Modify Puzzle."),
        QStringLiteral("Draw your own puzzle shapes with Edit, Puzzle Shape, and swap them with friends through the "
                       "shape manager's Import and Export."),
        QStringLiteral("A previewed puzzle can be saved as a bitmap, JPEG, WMF or EMF picture for use in word "
                       "processors and newsletters."),
        QStringLiteral("To give solvers a start, print the puzzle with Partial Answers and tick the answers that "
                       "should appear filled in."),
        QStringLiteral("Partial Letters prints every occurrence of the letters you name already filled in, a gentle "
                       "help for young solvers."),
        QStringLiteral("The report window can print one puzzle with other fonts than its page layout names, without "
                       "changing the layout itself."),
        QStringLiteral("Text objects in a page layout can be transparent, so a picture or a coloured box behind "
                       "them shows through."),
        QStringLiteral("Every object on a page layout can have a border of its own width and colour, or none at "
                       "all."),
        QStringLiteral("Clue numbers in the grid can be written horizontally or vertically; set it in the page "
                       "designer's puzzle properties."),
        QStringLiteral("The list of answer words can be printed beside the puzzle for a word-search style "
                       "challenge: add a Word List object to the layout."),
        QStringLiteral("A bonus question asks the solver for one more word spelled by chosen letters; type it in "
                       "the word list editor and print it with the puzzle."),
        QStringLiteral("Page layouts can hold squares, circles, pictures and free text beside the puzzle and its "
                       "clues."),
        QStringLiteral("Edit, Page Layout opens the page designer, where you place the title, grid, clues and "
                       "pictures on the page just as you want them."),
        QStringLiteral("Text that does not fit its box is shrunk one point at a time when printed, so long clue "
                       "lists still fit on the page."),
        QStringLiteral("The preview window can save a puzzle as a web page with its picture, headers and footers, "
                       "ready to put on a site."),
        QStringLiteral("Accented letters are one key away: F1 to F12 type the characters chosen under Options, "
                       "International Characters."),
        QStringLiteral("Print a skeleton puzzle, without black squares, for experienced solvers: tick Skeleton "
                       "Puzzle in the report window."),
        QStringLiteral("Across and down clues can be printed in one combined list or in separate columns, as the "
                       "page layout sets them."),
        QStringLiteral("Page layouts you design can be exported to a file and imported on another computer from "
                       "the page layout list."),
        QStringLiteral("Create shows the four best grids it found side by side; click one to see it larger before "
                       "you save it."),
        QStringLiteral("Word lists can be exported as plain text, with or without clues, for use in other "
                       "programs."),
        QStringLiteral("Keep puzzles for different groups in separate collection files, and move puzzles between "
                       "them with File, Import Puzzles and Export Puzzles."),
        QStringLiteral("Already have words and clues in a text file?  Import them into the word list editor "
                       "instead of typing them again."),
        QStringLiteral("Shapes and puzzles that others share as .LAY and .QV3 files join yours through the shape "
                       "manager's Import and File, Import Puzzles."),
    };
    return tips;
}

TTipOfTheDay::TTipOfTheDay(AppContext& context, QWidget* parent)
    : QDialog(parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("TipOfTheDay"));
    setWindowTitle(QStringLiteral("Tip of the Day"));
    setModal(true);

    auto* heading = new QLabel(QStringLiteral("Did you know..."), this);
    heading->setObjectName(QStringLiteral("TipHeading"));
    m_number = new QLabel(this);
    m_number->setObjectName(QStringLiteral("TipNumber"));
    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("TipText"));
    m_text->setWordWrap(true);
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_text->setFrameShape(QFrame::StyledPanel);
    m_text->setMargin(8);

    m_showTips = new QCheckBox(QStringLiteral("&Show Tips at Startup"), this);
    m_showTips->setObjectName(QStringLiteral("ShowTipsBox"));
    m_showTips->setChecked(m_context.settings.ShowTips);

    auto* next = new QPushButton(QStringLiteral("&Next Tip"), this);
    next->setObjectName(QStringLiteral("NextTipButton"));
    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    close->setObjectName(QStringLiteral("CloseButton"));
    close->setDefault(true);
    connect(next, &QPushButton::clicked, this, &TTipOfTheDay::NextTipClick);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* top = new QHBoxLayout;
    top->addWidget(heading);
    top->addStretch();
    top->addWidget(m_number);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_showTips);
    buttons->addStretch();
    buttons->addWidget(next);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_text, 1);
    layout->addLayout(buttons);
    resize(DesignWidth, DesignHeight);

    ShowTip(int(QRandomGenerator::global()->bounded(1, TipCount + 1)));
}

void TTipOfTheDay::ShowTip(int number)
{
    m_tip = std::clamp(number, 1, TipCount);
    m_text->setText(Tips()[std::size_t(m_tip - 1)]);
    m_number->setText(QStringLiteral("Tip %1 of %2").arg(m_tip).arg(TipCount));
}

void TTipOfTheDay::NextTipClick()
{
    ShowTip(m_tip % TipCount + 1);
}

void TTipOfTheDay::done(int result)
{
    m_context.settings.ShowTips = m_showTips->isChecked();
    QDialog::done(result);
}

void TTipOfTheDay::showEvent(QShowEvent* event)
{
    PrepareDialog(this, m_context);
    QDialog::showEvent(event);
}
