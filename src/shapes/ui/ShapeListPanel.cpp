#include "shapes/ui/ShapeListPanel.h"

#include "ui/AppContext.h"
#include "ui/MessageService.h"
#include "shapes/ShapeExport.h"
#include "shapes/ShapeMessages.h"
#include "shapes/ShapePreview.h"
#include "shapes/ui/DoShapes.h"
#include "ui/WindowSetup.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>

/** The shape preview: CurrentShape drawn by DrawTheBox, or only the background while the list is empty. */
class ShapePreviewBox : public QWidget {
public:
    ShapePreviewBox(const TShapeRecord& shape, QSize size, QWidget* parent)
        : QWidget(parent)
        , m_shape(shape)
    {
        setFixedSize(size);
    }

    void setShowShape(bool show)
    {
        m_showShape = show;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const QColor background = palette().color(QPalette::Window);
        if (m_showShape)
            ShapePreview::DrawTheBox(painter, width(), height(), m_shape, background);
        else
            painter.fillRect(rect(), background);
    }

private:
    const TShapeRecord& m_shape;
    bool m_showShape = false;
};

namespace {

QString Latin(const char* text)
{
    return QString::fromLatin1(text);
}

void Show(QWidget* parent, const TFixedMessage& message, MessageService::Icon icon)
{
    MessageService::instance().inform(parent, message.text(), message.caption(), icon);
}

/** A failed write: the command's message followed by the system's reason. */
void ShowFailure(QWidget* parent, const IoResult& result, const TFixedMessage& message, MessageService::Icon icon)
{
    MessageService::instance().inform(parent, result.describe(message.text()), message.caption(), icon);
}

} // namespace

ShapeListPanel::ShapeListPanel(AppContext& context, ShapeListHost host, QSize previewSize, QWidget* parent)
    : QWidget(parent)
    , m_context(context)
    , m_host(host)
{
    setObjectName(QStringLiteral("ShapePanel"));
    m_heading = new QLabel(QStringLiteral("Puzzle Shape"), this);
    m_shapeBox = new QListWidget(this);
    m_shapeBox->setObjectName(QStringLiteral("ShapeBox"));
    m_shapeBox->setMinimumHeight(previewSize.height());
    m_shapeBox->setMinimumWidth(std::max(150, previewSize.width() * 3 / 4));
    m_heading->setBuddy(m_shapeBox);
    m_preview = new ShapePreviewBox(m_context.CurrentShape, previewSize, this);
    m_preview->setObjectName(QStringLiteral("LayoutImage"));

    m_newButton = MakeDialogButton("&New", "NewShape", this);
    m_modifyButton = MakeDialogButton("&Modify", "ModifyShape", this);
    m_copyButton = MakeDialogButton("C&opy", "CopyShape", this);
    m_deleteButton = MakeDialogButton("&Delete", "DeleteShape", this);
    m_importButton = MakeDialogButton("Im&port", "ImportShape", this);
    m_exportButton = MakeDialogButton("Expo&rt", "ExportShape", this);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_heading, 0, 0);
    layout->addWidget(m_shapeBox, 1, 0);
    layout->addWidget(m_preview, 1, 1, Qt::AlignTop);
    auto* buttons = new QGridLayout;
    QPushButton* const order[] = {m_newButton, m_modifyButton, m_copyButton, m_deleteButton, m_importButton, m_exportButton};
    for (int i = 0; i < 6; ++i)
        buttons->addWidget(order[i], i / 3, i % 3);
    layout->addLayout(buttons, 2, 0, 1, 2);

    connect(m_shapeBox, &QListWidget::currentRowChanged, this, &ShapeListPanel::OnCurrentRowChanged);
    connect(m_newButton, &QPushButton::clicked, this, &ShapeListPanel::NewLayout);
    connect(m_copyButton, &QPushButton::clicked, this, &ShapeListPanel::CopyLayout);
    connect(m_modifyButton, &QPushButton::clicked, this, &ShapeListPanel::ModifyLayout);
    connect(m_deleteButton, &QPushButton::clicked, this, &ShapeListPanel::DeleteALayout);
    connect(m_importButton, &QPushButton::clicked, this, &ShapeListPanel::ImportLayout);
    connect(m_exportButton, &QPushButton::clicked, this, &ShapeListPanel::ExportLayout);

    LoadInLayouts();
}

void ShapeListPanel::LoadInLayouts()
{
    SelectPosition(FillList());
}

int ShapeListPanel::FillList()
{
    std::vector<TShapeRecord> library;
    const IoResult read = ShapeLibrary::ReadLibrary(m_context.ShapeLibraryPath(), library);
    if (read.status == IoResult::IoError)
        MessageService::error(this, read.systemError);

    const TPuzzleRecord* puzzle = nullptr;
    if (m_host == ShapeListHost::EditorExistingPuzzle) {
        puzzle = &m_context.Working.CurrentPuzzle;
        m_puzzleShape = ShapeLibrary::ShapeFromPuzzle(*puzzle);
        m_context.CurrentShape = m_puzzleShape;
    }
    const ShapeList list = ShapeLibrary::FillList(m_host, library, puzzle, m_context.settings.LastShape);
    m_entries = list.Entries;

    m_filling = true;
    {
        const QSignalBlocker block(m_shapeBox);
        m_shapeBox->clear();
        for (const ShapeListEntry& entry : m_entries)
            m_shapeBox->addItem(entry.Text);
    }
    m_filling = false;
    if (m_entries.empty())
        Show(this, ShapeMessages::NoShapesFound, MessageService::Icon::Warning);
    return list.Selected;
}

void ShapeListPanel::SelectPosition(int position)
{
    {
        const QSignalBlocker block(m_shapeBox);
        m_shapeBox->setCurrentRow(position);
    }
    LoadALayout();
    DrawTheBox();
    EnableCommands();
}

void ShapeListPanel::OnCurrentRowChanged(int)
{
    if (m_filling)
        return;
    LoadALayout();
    DrawTheBox();
    EnableCommands();
}

int ShapeListPanel::selectedPosition() const
{
    const int row = m_shapeBox->currentRow();
    return row >= 0 && row < int(m_entries.size()) ? row : -1;
}

int ShapeListPanel::selectedNumber() const
{
    const int position = selectedPosition();
    return position < 0 ? -1 : m_entries[std::size_t(position)].Number;
}

void ShapeListPanel::LoadALayout()
{
    const int number = selectedNumber();
    if (number < 0) {
        m_modifyAllowed = false;
        return;
    }
    if (number == ShapeLibrary::CurrentPuzzleNumber) {
        m_context.CurrentShape = m_puzzleShape;
        m_modifyAllowed = false;
        emit shapeChanged();
        return;
    }
    if (m_host != ShapeListHost::Manager)
        m_context.settings.LastShape = number;
    TShapeRecord shape;
    const IoResult result = ShapeLibrary::LoadShape(m_context.ShapeLibraryPath(), number, shape);
    if (!result) {
        // No message of its own: the failure is reported as the system's input/output error.
        MessageService::error(this, result.systemError.isEmpty() ? QStringLiteral("The shape library could not be read.")
                                                                 : result.systemError);
        m_modifyAllowed = false;
        return;
    }
    m_context.CurrentShape = shape;
    m_modifyAllowed = true;
    emit shapeChanged();
}

void ShapeListPanel::DrawTheBox()
{
    m_preview->setShowShape(!m_entries.empty());
}

void ShapeListPanel::SetShapeBoxIndex(int number)
{
    SelectPosition(ShapeLibrary::SetShapeBoxIndex(m_entries, number));
}

void ShapeListPanel::EnableCommands()
{
    const bool panelEnabled = m_host != ShapeListHost::EditorExistingPuzzle;
    const bool selected = selectedPosition() >= 0;
    m_shapeBox->setEnabled(panelEnabled);
    m_newButton->setEnabled(panelEnabled);
    m_importButton->setEnabled(panelEnabled);
    m_exportButton->setEnabled(panelEnabled);
    m_copyButton->setEnabled(panelEnabled && selected);
    m_modifyButton->setEnabled(panelEnabled && m_modifyAllowed);
    m_deleteButton->setEnabled(panelEnabled && m_modifyAllowed);
}

void ShapeListPanel::RunEditor(int mode, int recordNumber)
{
    TDoShapes editor(m_context, mode, recordNumber, window());
    editor.exec();
    if (!editor.saved())
        return;
    FillList();
    SetShapeBoxIndex(editor.savedRecordNumber());
}

void ShapeListPanel::NewLayout()
{
    RunEditor(TDoShapes::NewShape, -1);
}

void ShapeListPanel::CopyLayout()
{
    if (selectedPosition() < 0)
        return;
    m_context.CurrentShape.ShapeTitle.setText(ShapeLibrary::CopyTitle(m_context.CurrentShape.ShapeTitle.text()));
    RunEditor(TDoShapes::CopyShape, -1);
}

void ShapeListPanel::ModifyLayout()
{
    const int number = selectedNumber();
    if (number < 0 || number == ShapeLibrary::CurrentPuzzleNumber)
        return;
    RunEditor(TDoShapes::ModifyShape, number);
}

void ShapeListPanel::DeleteALayout()
{
    const int position = selectedPosition();
    if (position < 0)
        return;
    const ShapeListEntry entry = m_entries[std::size_t(position)];
    if (entry.Number == ShapeLibrary::CurrentPuzzleNumber)
        return;
    if (!MessageService::askYesNo(this, ShapeLibrary::DeleteQuestion(entry), Latin(ShapeMessages::DeleteCaption)))
        return;
    const IoResult result = ShapeLibrary::DeleteShape(m_context.ShapeLibraryPath(), entry.Number);
    if (!result) {
        ShowFailure(this, result, ShapeMessages::DeleteFailed, MessageService::Icon::Warning);
        return;
    }
    FillList();
    SelectPosition(ShapeLibrary::SelectionAfterDelete(position, int(m_entries.size())));
}

void ShapeListPanel::ExportLayout()
{
    if (selectedPosition() < 0) {
        Show(this, ShapeMessages::NoShapeSelected, MessageService::Icon::Error);
        return;
    }
    FileDialogRequest request;
    request.title = Latin(ShapeMessages::ExportDialogTitle);
    request.filter = Latin(ShapeMessages::ExportDialogFilter);
    request.defaultSuffix = Latin(ShapeMessages::ExportFileSuffix);
    request.initialPath = m_context.settings.LastExportShapeFile;
    request.confirmOverwrite = true;
    const QString path = MessageService::instance().saveFileName(this, request);
    if (path.isEmpty())
        return;
    m_context.settings.LastExportShapeFile = path;

    LoadALayout();
    const IoResult result = ShapeExport::ExportShape(path, m_context.CurrentShape);
    if (!result)
        Show(this, ShapeMessages::ExportFailed, MessageService::Icon::Error);
    else
        Show(this, ShapeMessages::Exported, MessageService::Icon::Information);
}

void ShapeListPanel::ImportLayout()
{
    FileDialogRequest request;
    request.title = Latin(ShapeMessages::ImportDialogTitle);
    request.filter = Latin(ShapeMessages::ImportDialogFilter);
    request.defaultSuffix = Latin(ShapeMessages::ExportFileSuffix);
    request.initialPath = m_context.settings.LastImportShapeFile;
    request.confirmOverwrite = false;
    const QString path = MessageService::instance().openFileName(this, request);
    if (path.isEmpty())
        return;
    m_context.settings.LastImportShapeFile = path;

    TShapeRecord shape;
    const IoResult read = ShapeExport::ImportShape(path, shape);
    if (read.status == IoResult::OpenFailed) {
        Show(this, ShapeMessages::ImportOpenFailed, MessageService::Icon::Error);
        return;
    }
    if (!read) {
        ShowFailure(this, read, ShapeMessages::ImportCorrupt, MessageService::Icon::Error);
        return;
    }
    m_context.CurrentShape = shape;
    emit shapeChanged();
    int number = -1;
    const IoResult added = ShapeLibrary::AppendShape(m_context.ShapeLibraryPath(), shape, &number);
    if (!added) {
        ShowFailure(this, added, ShapeMessages::AddFailed, MessageService::Icon::Warning);
        return;
    }
    FillList();
    SetShapeBoxIndex(number);
}
