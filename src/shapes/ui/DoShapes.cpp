#include "shapes/ui/DoShapes.h"

#include "ui/AppContext.h"
#include "ui/MessageService.h"
#include "ui/WindowSetup.h"
#include "store/GridModel.h"
#include "shapes/ShapeLibrary.h"
#include "shapes/ShapeMessages.h"
#include "store/Ansi.h"
#include "ui/Windows1252Text.h"

#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QIcon>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int DesignWidth = 620;
constexpr int DesignHeight = 440;
/** Characters the user may type into the title; a longer title given by a copy is kept whole. */
constexpr int TypedTitleLength = 30;
constexpr int DimensionLength = 2;

const QString WidthMessage = QStringLiteral("Width must be between 5 and 30.  Please re-enter width.");
const QString HeightMessage = QStringLiteral("Height must be between 5 and 30.  Please re-enter height.");

/** A solid triangle pointing one way, drawn large enough for every screen size. */
QIcon arrowIcon(Qt::ArrowType arrow)
{
    constexpr int side = 64;
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 40, 40));
    painter.translate(side / 2.0, side / 2.0);
    const qreal turn[] = {0, -90, 90, 180}; // up, left, right, down
    const int index = arrow == Qt::LeftArrow ? 1 : arrow == Qt::RightArrow ? 2 : arrow == Qt::DownArrow ? 3 : 0;
    painter.rotate(turn[index]);
    const QPointF tip[] = {{0, -22}, {26, 18}, {-26, 18}};
    painter.drawPolygon(tip, 3);
    painter.end();
    return QIcon(pixmap);
}

} // namespace

/** The 401 x 401 drawing area: the working shape in red on white, with black lines. */
class ShapeCanvas : public QWidget {
public:
    explicit ShapeCanvas(TDoShapes* editor)
        : QWidget(editor)
        , m_editor(editor)
    {
        setFixedSize(ShapeEditing::DrawingSide, ShapeEditing::DrawingSide);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const TShapeRecord& shape = m_editor->m_shape;
        painter.fillRect(rect(), palette().color(QPalette::Window));
        const int s = m_editor->cellSize();
        if (s < 2)
            return;
        const int columns = shape.columns();
        const int rows = shape.rows();
        painter.fillRect(QRect(0, 0, columns * s, rows * s), Qt::white);
        for (int r = 0; r <= rows; ++r)
            painter.fillRect(QRect(0, r * s, columns * s + 1, 1), Qt::black);
        for (int c = 0; c <= columns; ++c)
            painter.fillRect(QRect(c * s, 0, 1, rows * s + 1), Qt::black);
        for (int r = 1; r <= rows; ++r)
            for (int c = 1; c <= columns; ++c)
                if (GridModel::Cell(shape.ShapeCells, GridModel::LinearCell(r, c)) != 0)
                    painter.fillRect(QRect((c - 1) * s + 1, (r - 1) * s + 1, s - 1, s - 1), Qt::red);
    }
    void mousePressEvent(QMouseEvent* event) override { m_editor->CanvasPressed(event->button(), event->position().toPoint()); }
    void mouseReleaseEvent(QMouseEvent* event) override { m_editor->CanvasReleased(event->button(), event->position().toPoint()); }

private:
    TDoShapes* m_editor;
};

TDoShapes::TDoShapes(AppContext& context, int mode, int recordNumber, QWidget* parent)
    : QDialog(parent)
    , m_context(context)
    , m_mode(mode)
    , m_recordNumber(recordNumber)
{
    setObjectName(QStringLiteral("DoShapes"));
    setWindowTitle(QStringLiteral("Shape Creator"));
    m_shape = mode == NewShape ? ShapeEditing::NewShape() : m_context.CurrentShape;
    m_undoShape = m_shape;
    m_openedShape = m_shape;

    m_canvas = new ShapeCanvas(this);
    m_canvas->setObjectName(QStringLiteral("ShapeGrid"));

    m_title = new QLineEdit(Ansi::toUnicode(m_shape.ShapeTitle.text()), this);
    m_title->setObjectName(QStringLiteral("Title"));
    AcceptWindows1252Only(m_title);
    m_title->setMaxLength(std::max(TypedTitleLength, int(m_title->text().size())));
    m_width = new QLineEdit(QString::number(m_shape.ShapeWidth), this);
    m_width->setObjectName(QStringLiteral("Width"));
    m_width->setMaxLength(DimensionLength);
    m_height = new QLineEdit(QString::number(m_shape.ShapeHeight), this);
    m_height->setObjectName(QStringLiteral("Height"));
    m_height->setMaxLength(DimensionLength);
    for (QLineEdit* field : {m_width, m_height}) {
        field->setFixedWidth(40);
        field->installEventFilter(this);
    }

    const auto makeArrow = [this](Qt::ArrowType arrow, const char* name, ShapeEditing::Direction direction) {
        auto* button = new QToolButton(this);
        button->setObjectName(QLatin1String(name));
        // A drawn arrow rather than the style's, which keeps one small size at every screen size.
        button->setIcon(arrowIcon(arrow));
        button->setIconSize(QSize(14, 14));
        button->setFixedSize(32, 32);
        connect(button, &QToolButton::clicked, this, [this, direction] { ShiftClick(direction); });
        return button;
    };
    // Made in the order Tab goes through them: the shift arrows, then the buttons below them.
    QToolButton* shiftUp = makeArrow(Qt::UpArrow, "ShiftUp", ShapeEditing::Direction::Up);
    QToolButton* shiftLeft = makeArrow(Qt::LeftArrow, "ShiftLeft", ShapeEditing::Direction::Left);
    QToolButton* shiftRight = makeArrow(Qt::RightArrow, "ShiftRight", ShapeEditing::Direction::Right);
    QToolButton* shiftDown = makeArrow(Qt::DownArrow, "ShiftDown", ShapeEditing::Direction::Down);
    QPushButton* reverse = MakeDialogButton("&Reverse", "ReverseButton", this);
    m_undo = MakeDialogButton("&Undo", "UndoButton", this);
    QPushButton* save = MakeDialogButton("&Save", "SaveButton", this);
    QPushButton* cancel = MakeDialogButton("&Cancel", "CancelButton", this);
    // Leaving a dimension field for Cancel must not check the field first.
    cancel->setFocusPolicy(Qt::TabFocus);

    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("Title"), this), 0, 0);
    fields->addWidget(m_title, 0, 1, 1, 3);
    fields->addWidget(new QLabel(QStringLiteral("Width"), this), 1, 0);
    fields->addWidget(m_width, 1, 1);
    fields->addWidget(new QLabel(QStringLiteral("Height"), this), 1, 2);
    fields->addWidget(m_height, 1, 3);

    auto* shiftBox = new QGroupBox(QStringLiteral("Shift Grid"), this);
    auto* arrows = new QGridLayout(shiftBox);
    arrows->addWidget(shiftUp, 0, 1);
    arrows->addWidget(shiftLeft, 1, 0);
    arrows->addWidget(shiftRight, 1, 2);
    arrows->addWidget(shiftDown, 2, 1);

    auto* adjustBox = new QGroupBox(QStringLiteral("Adjust Grid"), this);
    auto* adjust = new QHBoxLayout(adjustBox);
    adjust->addWidget(reverse);
    adjust->addWidget(m_undo);

    auto* side = new QVBoxLayout;
    side->addLayout(fields);
    side->addWidget(new QLabel(QStringLiteral("Left Click To Toggle"), this));
    side->addWidget(new QLabel(QStringLiteral("Right Click To Fill"), this));
    side->addWidget(shiftBox);
    side->addWidget(adjustBox);
    side->addStretch();
    auto* commands = new QHBoxLayout;
    commands->addWidget(save);
    commands->addWidget(cancel);
    side->addLayout(commands);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_canvas, 0, Qt::AlignTop);
    layout->addLayout(side);

    connect(reverse, &QPushButton::clicked, this, &TDoShapes::ReverseClick);
    connect(m_undo, &QPushButton::clicked, this, &TDoShapes::UndoClick);
    connect(save, &QPushButton::clicked, this, &TDoShapes::SaveButtonClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    m_undo->setEnabled(false);
    resize(DesignWidth, DesignHeight);
}

void TDoShapes::showEvent(QShowEvent* event)
{
    if (!m_prepared) {
        m_prepared = true;
        PrepareDialog(this, m_context);
    }
    m_typed.Take(this);
    QDialog::showEvent(event);
}

void TDoShapes::reject()
{
    if (m_saved || m_typed.MayClose(this, m_shape != m_openedShape))
        QDialog::reject();
}

bool TDoShapes::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut && (watched == m_width || watched == m_height)) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        // Switching to another window or opening a menu is not leaving the field.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            const bool isWidth = watched == m_width;
            (isWidth ? m_widthCheckPending : m_heightCheckPending) = true;
            // Checked once the focus has moved, so the message box does not interrupt the move.
            QTimer::singleShot(0, this, [this, isWidth] {
                if (isVisible() && (isWidth ? m_widthCheckPending : m_heightCheckPending))
                    CheckDimension(isWidth);
            });
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool TDoShapes::CheckDimension(bool isWidth)
{
    QLineEdit* field = isWidth ? m_width : m_height;
    (isWidth ? m_widthCheckPending : m_heightCheckPending) = false;
    bool isNumber = false;
    int value = field->text().trimmed().toInt(&isNumber);
    if (!isNumber)
        value = 0;
    if (value < Limits::MinShapeSide || value > Limits::MaxShapeSide) {
        MessageService::error(this, isWidth ? WidthMessage : HeightMessage);
        field->setFocus();
        field->selectAll();
        return false;
    }
    std::int16_t& side = isWidth ? m_shape.ShapeWidth : m_shape.ShapeHeight;
    if (side != value) {
        side = std::int16_t(value);
        Redraw();
    }
    return true;
}

int TDoShapes::cellSize() const
{
    // The drawing area grows with the screen size option, and the cells with it.
    const int side = m_canvas ? std::min(m_canvas->width(), m_canvas->height()) : ShapeEditing::DrawingSide;
    return ShapeEditing::CellSize(m_shape, side);
}

bool TDoShapes::CellUnder(QPoint point, int& row, int& column) const
{
    const int s = cellSize();
    if (s <= 0 || point.x() < 0 || point.y() < 0)
        return false;
    column = point.x() / s + 1;
    row = point.y() / s + 1;
    // The area right of and below the drawn grid holds no cell.
    return column <= m_shape.columns() && row <= m_shape.rows();
}

void TDoShapes::CanvasPressed(Qt::MouseButton button, QPoint point)
{
    int row = 0;
    int column = 0;
    const bool onCell = CellUnder(point, row, column);
    if (button == Qt::LeftButton) {
        m_toggleArmed = onCell;
        m_togglePoint = point;
    } else if (button == Qt::RightButton) {
        m_fillArmed = onCell;
        m_fillPoint = point;
    }
}

void TDoShapes::CanvasReleased(Qt::MouseButton button, QPoint point)
{
    int row = 0;
    int column = 0;
    int pressedRow = 0;
    int pressedColumn = 0;
    if (button == Qt::LeftButton && m_toggleArmed) {
        m_toggleArmed = false;
        if (CellUnder(point, row, column) && CellUnder(m_togglePoint, pressedRow, pressedColumn)
            && row == pressedRow && column == pressedColumn) {
            m_undo->setEnabled(false);
            ShapeEditing::Toggle(m_shape, row, column);
            Redraw();
        }
    } else if (button == Qt::RightButton && m_fillArmed) {
        m_fillArmed = false;
        if (CellUnder(point, row, column) && CellUnder(m_fillPoint, pressedRow, pressedColumn)
            && row == pressedRow && column == pressedColumn) {
            KeepUndoCopy();
            ShapeEditing::Fill(m_shape, row, column);
            Redraw();
        }
    }
}

void TDoShapes::KeepUndoCopy()
{
    m_undoShape = m_shape;
    m_undo->setEnabled(true);
}

void TDoShapes::ShiftClick(ShapeEditing::Direction direction)
{
    KeepUndoCopy();
    ShapeEditing::Shift(m_shape, direction);
    Redraw();
}

void TDoShapes::ReverseClick()
{
    m_undo->setEnabled(false);
    ShapeEditing::Reverse(m_shape);
    Redraw();
}

void TDoShapes::UndoClick()
{
    if (!m_undo->isEnabled())
        return;
    m_shape = m_undoShape;
    m_undo->setEnabled(false);
    Redraw();
}

void TDoShapes::SaveButtonClick()
{
    if (!CheckDimension(false) || !CheckDimension(true))
        return;
    m_shape.ShapeTitle.setText(Ansi::trimSpaces(Ansi::fromUnicode(m_title->text())));

    const QString path = m_context.ShapeLibraryPath();
    int number = m_recordNumber;
    const IoResult result = m_mode == ModifyShape ? ShapeLibrary::ReplaceShape(path, m_recordNumber, m_shape)
                                                  : ShapeLibrary::AppendShape(path, m_shape, &number);
    if (!result) {
        MessageService::instance().inform(this, result.describe(ShapeMessages::AddFailed.text()),
                                          ShapeMessages::AddFailed.caption(), MessageService::Icon::Warning);
        return;
    }
    m_saved = true;
    m_savedNumber = number;
    accept();
}

void TDoShapes::Redraw()
{
    m_canvas->update();
}
