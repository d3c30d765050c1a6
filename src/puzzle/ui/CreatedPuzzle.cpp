#include "puzzle/ui/CreatedPuzzle.h"

#include "ui/AppContext.h"
#include "ui/MessageService.h"
#include "ui/WindowSetup.h"
#include "build/Engine.h"
#include "build/SavedCandidate.h"
#include "puzzle/GridPicture.h"
#include "store/Ansi.h"
#include "store/Collection.h"
#include "store/ListOrder.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QVBoxLayout>
#include <algorithm>

namespace {

/** Design size of the view before scaling. */
constexpr int ViewWidth = 620;
constexpr int ViewHeight = 440;
/** Space between the candidate pictures; the selection frame lies in it. */
constexpr int PictureSpacing = 14;
/** The selection frame: its width and its distance outside the picture. */
constexpr int FrameWidth = 2;
constexpr int FrameDistance = 2;

const QColor SelectionColor(255, 0, 0);

QString countHeading(int count, const char* singular)
{
    QString text = QString::number(count) + QLatin1Char(' ') + QLatin1String(singular);
    if (count != 1)
        text += QLatin1Char('s');
    return text;
}

void fillSorted(QListWidget* list, QStringList words)
{
    std::stable_sort(words.begin(), words.end(), [](const QString& a, const QString& b) {
        const int c = ListOrder::Compare(a, b);
        return c != 0 ? c < 0 : a < b;
    });
    list->clear();
    list->addItems(words);
}

} // namespace

// ---------------------------------------------------------------------------------------------

TCandidatePicture::TCandidatePicture(int slot, int side, QWidget* parent)
    : QWidget(parent)
    , m_slot(slot)
{
    setObjectName(QStringLiteral("Candidate") + QString::number(slot));
    setFixedSize(side, side);
}

void TCandidatePicture::setRecord(const TPuzzleRecord* record)
{
    m_record = record;
    // An empty slot cannot be selected, so Tab passes it by.
    setFocusPolicy(record ? Qt::StrongFocus : Qt::NoFocus);
    update();
}

void TCandidatePicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QColor background = palette().color(QPalette::Window);
    if (m_record)
        DrawPuzzleGrid(painter, size(), *m_record, background);
    else
        painter.fillRect(rect(), background);
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(2, 2, -2, -2);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void TCandidatePicture::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    const Qt::FocusReason reason = event->reason();
    if (m_record && (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::OtherFocusReason))
        emit clicked(m_slot);
    update();
}

void TCandidatePicture::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

void TCandidatePicture::keyPressEvent(QKeyEvent* event)
{
    if (m_record && event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier) {
        emit doubleClicked(m_slot);
        return;
    }
    QWidget::keyPressEvent(event);
}

void TCandidatePicture::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit clicked(m_slot);
}

void TCandidatePicture::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit doubleClicked(m_slot);
}

// ---------------------------------------------------------------------------------------------

TCreatedPuzzle::TCreatedPuzzle(AppContext& context, QWidget* parent)
    : QDialog(parent)
    , m_context(context)
    , m_result(context.Candidates())
    , m_enteredWordCount(std::clamp<int>(context.Working.CurrentPuzzle.WordCount, 0, Limits::WordSlots))
{
    setObjectName(QStringLiteral("TCreatedPuzzle"));
    setWindowTitle(QStringLiteral("Created Puzzles"));
    setModal(true);

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(12, 10, 12, 10);

    auto* pictures = new QGridLayout;
    pictures->setHorizontalSpacing(PictureSpacing);
    pictures->setVerticalSpacing(6);
    for (int n = 1; n <= Limits::CandidateSlots; ++n) {
        auto* caption = new QLabel(rankName(n), this);
        caption->setObjectName(QStringLiteral("Caption") + QString::number(n));
        caption->setAlignment(Qt::AlignCenter);
        caption->setFixedWidth(TCandidatePicture::CandidateSide);
        caption->setAutoFillBackground(true);
        auto* picture = new TCandidatePicture(n, TCandidatePicture::CandidateSide, this);
        const bool holds = slotHoldsResult(n);
        picture->setRecord(holds ? &m_result.Candidates[std::size_t(n - 1)] : nullptr);
        // The caption keeps its place when hidden, so the pictures stay where they are.
        QSizePolicy policy = caption->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        caption->setSizePolicy(policy);
        caption->setVisible(holds);
        connect(picture, &TCandidatePicture::clicked, this, &TCreatedPuzzle::selectCandidate);
        connect(picture, &TCandidatePicture::doubleClicked, this, &TCreatedPuzzle::enlargeCandidate);
        pictures->addWidget(caption, 0, n - 1);
        pictures->addWidget(picture, 1, n - 1);
        m_captions[std::size_t(n - 1)] = caption;
        m_pictures[std::size_t(n - 1)] = picture;
    }
    root->addLayout(pictures);
    root->addSpacing(8);

    auto* lists = new QGridLayout;
    m_includedHeading = new QLabel(this);
    m_includedHeading->setObjectName(QStringLiteral("IncludedHeading"));
    m_excludedHeading = new QLabel(this);
    m_excludedHeading->setObjectName(QStringLiteral("ExcludedHeading"));
    m_included = new QListWidget(this);
    m_included->setObjectName(QStringLiteral("IncludedWords"));
    m_excluded = new QListWidget(this);
    m_excluded->setObjectName(QStringLiteral("ExcludedWords"));
    lists->addWidget(m_includedHeading, 0, 0);
    lists->addWidget(m_excludedHeading, 0, 1);
    lists->addWidget(m_included, 1, 0);
    lists->addWidget(m_excluded, 1, 1);
    lists->setHorizontalSpacing(PictureSpacing);
    root->addLayout(lists, 1);

    auto* buttons = new QHBoxLayout;
    m_save = new QPushButton(QStringLiteral("&Save Puzzle"), this);
    m_save->setObjectName(QStringLiteral("SaveButton"));
    m_cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("CancelButton"));
    buttons->addStretch(1);
    buttons->addWidget(m_save);
    buttons->addWidget(m_cancel);
    root->addLayout(buttons);
    connect(m_save, &QPushButton::clicked, this, &TCreatedPuzzle::SaveButtonClick);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    // Save is offered only once a candidate that holds a result is selected.
    m_save->setEnabled(false);
    m_includedHeading->setText(countHeading(0, "Included Word"));
    m_excludedHeading->setText(countHeading(0, "Excluded Word"));
    resize(ViewWidth, ViewHeight);
}

QString TCreatedPuzzle::rankName(int slot)
{
    switch (slot) {
    case 1:
        return QStringLiteral("Best Fit");
    case 2:
        return QStringLiteral("Second Best Fit");
    case 3:
        return QStringLiteral("Third Best Fit");
    case 4:
        return QStringLiteral("Fourth Best Fit");
    default:
        return {};
    }
}

bool TCreatedPuzzle::slotHoldsResult(int n) const
{
    return n >= 1 && n <= Limits::CandidateSlots && m_result.CandidateScores[std::size_t(n - 1)] > 0;
}

void TCreatedPuzzle::showEvent(QShowEvent* event)
{
    if (!m_shown) {
        m_shown = true;
        PrepareDialog(this, m_context);
        selectCandidate(1);
    }
    QDialog::showEvent(event);
}

void TCreatedPuzzle::highlightCaption(int n, bool on)
{
    QLabel* caption = m_captions[std::size_t(n - 1)];
    QPalette palette = caption->palette();
    palette.setColor(QPalette::Window, on ? SelectionColor : this->palette().color(QPalette::Window));
    caption->setPalette(palette);
}

void TCreatedPuzzle::selectCandidate(int n)
{
    if (!slotHoldsResult(n))
        return;
    if (m_selected != 0)
        highlightCaption(m_selected, false);
    m_selected = n;
    highlightCaption(n, true);
    update();

    // The words as entered: slots 1..WordCount of the puzzle that was built, in the candidate's order.
    const TPuzzleRecord& candidate = m_result.Candidates[std::size_t(n - 1)];
    const auto& placed = m_result.CandidatePlacedFlags[std::size_t(n - 1)];
    QStringList included;
    QStringList excluded;
    for (int t = 0; t < m_enteredWordCount; ++t) {
        const QString word = Ansi::toUnicode(candidate.Words[std::size_t(t)].text());
        (placed[std::size_t(t)] == 1 ? included : excluded).append(word);
    }
    fillSorted(m_included, included);
    fillSorted(m_excluded, excluded);
    m_includedHeading->setText(countHeading(int(included.size()), "Included Word"));
    m_excludedHeading->setText(countHeading(int(excluded.size()), "Excluded Word"));
    m_save->setEnabled(true);
}

void TCreatedPuzzle::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    if (m_selected == 0)
        return;
    // The two-pixel frame lies two pixels outside the selected picture.
    const QRect picture = m_pictures[std::size_t(m_selected - 1)]->geometry();
    const int out = FrameDistance + FrameWidth;
    const QRect outer = picture.adjusted(-out, -out, out, out);
    QPainter painter(this);
    painter.fillRect(QRect(outer.left(), outer.top(), outer.width(), FrameWidth), SelectionColor);
    painter.fillRect(QRect(outer.left(), outer.bottom() - FrameWidth + 1, outer.width(), FrameWidth), SelectionColor);
    painter.fillRect(QRect(outer.left(), outer.top(), FrameWidth, outer.height()), SelectionColor);
    painter.fillRect(QRect(outer.right() - FrameWidth + 1, outer.top(), FrameWidth, outer.height()), SelectionColor);
}

void TCreatedPuzzle::enlargeCandidate(int n)
{
    if (!slotHoldsResult(n))
        return;
    TEnlargedPuzzle enlarged(m_context, m_result.Candidates[std::size_t(n - 1)], rankName(n), this);
    enlarged.exec();
}

void TCreatedPuzzle::SaveButtonClick()
{
    if (!slotHoldsResult(m_selected))
        return;
    bool saveAnyway = true;
    if (m_excluded->count() > 0)
        saveAnyway = MessageService::askYesNo(
            this, QStringLiteral("One or more words did not fit into the puzzle.  Save Puzzle anyway?"),
            QStringLiteral("Warning"));

    // The chosen candidate becomes the working puzzle whatever the answer.
    WorkingPuzzle& working = m_context.Working;
    working.CurrentPuzzle = SavedCandidate(m_result, m_selected - 1);
    if (!saveAnyway)
        return;

    const IoResult written = SaveWorkingPuzzle(working);
    if (!written) {
        // The view stays open on its results, so the chosen grid can still be saved once the cause
        // is put right.
        MessageService::error(this, CollectionMessages::saveFailureText(written), CollectionMessages::ErrorCaption);
        return;
    }
    if (m_context.RequestSelection)
        m_context.RequestSelection(working.CurrentPuzzle.Category.text(), working.CurrentPuzzle.Title.text());
    accept();
}

// ---------------------------------------------------------------------------------------------

TEnlargedPuzzle::TEnlargedPuzzle(AppContext& context, const TPuzzleRecord& record, const QString& caption,
                                 QWidget* parent)
    : QDialog(parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("TEnlargedPuzzle"));
    setWindowTitle(caption);
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    auto* picture = new TCandidatePicture(0, Side, this);
    picture->setObjectName(QStringLiteral("EnlargedPicture"));
    picture->setRecord(&record);
    layout->addWidget(picture, 0, Qt::AlignHCenter);
    auto* exitButton = new QPushButton(QStringLiteral("E&xit"), this);
    exitButton->setObjectName(QStringLiteral("ExitButton"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(exitButton);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    connect(exitButton, &QPushButton::clicked, this, &QDialog::accept);
    adjustSize();
}

void TEnlargedPuzzle::showEvent(QShowEvent* event)
{
    if (!m_shown) {
        m_shown = true;
        PrepareDialog(this, m_context);
    }
    QDialog::showEvent(event);
}
