#include "export/ui/HtmlCreation.h"

#include "ui/AppContext.h"
#include "ui/MessageService.h"
#include "ui/WindowSetup.h"
#include "export/HtmlExport.h"
#include "export/OutputFormat.h"
#include "export/RasterExport.h"
#include "export/ui/BitmapWidth.h"
#include "export/ui/WriteError.h"
#include "store/Ansi.h"
#include "store/RecordFile.h"
#include "ui/Windows1252Text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

/** Characters a block's text area takes. */
constexpr int TextAreaLength = 1000;
/** HTML font sizes the list offers. */
constexpr int SizeCount = 7;

/** The text area's text with its line breaks as CR LF, as the settings keep it. */
QString storedText(const QPlainTextEdit* edit)
{
    QString text = edit->toPlainText().left(HtmlExport::BlockTextLength);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\n', QStringLiteral("\r\n"));
    return text;
}

} // namespace

QStringList THtmlCreation::SizeNames()
{
    return {QStringLiteral("8 pt"),  QStringLiteral("10 pt"), QStringLiteral("12 pt"), QStringLiteral("14 pt"),
            QStringLiteral("18 pt"), QStringLiteral("24 pt"), QStringLiteral("36 pt")};
}

THtmlCreation::THtmlCreation(AppContext& context, PageImage pageImage, QWidget* parent)
    : QDialog(parent), m_context(context), m_pageImage(std::move(pageImage))
{
    setObjectName(QStringLiteral("HtmlCreation"));
    setWindowTitle(QStringLiteral("HTML Creation"));
    setModal(true);
    Settings& settings = m_context.settings;

    auto* heading = new QLabel(QStringLiteral("Create A Web Page"), this);
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.3);
    heading->setFont(headingFont);
    heading->setAlignment(Qt::AlignCenter);

    const auto lineBox = [this](const QString& name, bool& flag) {
        auto* box = new QCheckBox(QStringLiteral("Horizontal Line"), this);
        box->setObjectName(name);
        box->setChecked(flag);
        connect(box, &QCheckBox::toggled, this, [&flag](bool on) { flag = on; });
        return box;
    };
    auto* placeholder = new QLabel(QStringLiteral("Puzzle will go here"), this);
    placeholder->setAlignment(Qt::AlignCenter);
    placeholder->setFrameShape(QFrame::Box);
    placeholder->setMinimumHeight(40);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    // The headers side by side above the puzzle and the footers below it, so that the page
    // fits a 640 x 480 screen.
    auto* headers = new QHBoxLayout;
    headers->addWidget(MakeBlock(QStringLiteral("First Header Lines"), QStringLiteral("FirstHeader"), settings.FirstHeader, m_blocks[0]));
    headers->addWidget(MakeBlock(QStringLiteral("Second Header Lines"), QStringLiteral("SecondHeader"), settings.SecondHeader, m_blocks[1]));
    layout->addLayout(headers);
    layout->addWidget(lineBox(QStringLiteral("HorizontalUpper"), settings.HorizontalUpper));
    layout->addWidget(placeholder);
    layout->addWidget(lineBox(QStringLiteral("HorizontalLower"), settings.HorizontalLower));
    auto* footers = new QHBoxLayout;
    footers->addWidget(MakeBlock(QStringLiteral("First Footer Lines"), QStringLiteral("FirstFooter"), settings.FirstFooter, m_blocks[2]));
    footers->addWidget(MakeBlock(QStringLiteral("Second Footer Lines"), QStringLiteral("SecondFooter"), settings.SecondFooter, m_blocks[3]));
    layout->addLayout(footers);
    // The title and the buttons are made after the blocks above them, so that Tab goes down the page.
    m_title = new QLineEdit(settings.WebTitle.left(HtmlExport::TitleLength), this);
    m_title->setObjectName(QStringLiteral("WebTitle"));
    AcceptWindows1252Only(m_title);
    m_title->setMaxLength(HtmlExport::TitleLength);
    auto* titleLabel = new QLabel(QStringLiteral("Web Page Title"), this);
    titleLabel->setBuddy(m_title);

    auto* save = new QPushButton(QStringLiteral("&Save HTML"), this);
    save->setObjectName(QStringLiteral("SaveHtmlButton"));
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    connect(save, &QPushButton::clicked, this, &THtmlCreation::SaveHtmlClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* titleRow = new QHBoxLayout;
    titleRow->addWidget(titleLabel);
    titleRow->addWidget(m_title, 1);
    layout->addLayout(titleRow);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    resize(620, 440);
}

QWidget* THtmlCreation::MakeBlock(const QString& heading, const QString& name, HtmlTextBlock& block,
                                  BlockControls& controls)
{
    auto* box = new QFrame(this);
    box->setObjectName(name);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 2, 0, 2);
    grid->addWidget(new QLabel(heading, box), 0, 0, 1, 2);

    controls.Text = new QPlainTextEdit(box);
    controls.Text->setObjectName(name + QStringLiteral("Text"));
    AcceptWindows1252Only(controls.Text);
    controls.Text->setPlainText(QString(block.Text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    controls.Text->setMaximumHeight(70);
    QPlainTextEdit* text = controls.Text;
    connect(text, &QPlainTextEdit::textChanged, this, [text] {
        // The area takes at most TextAreaLength characters; extra typing is dropped.
        const QString all = text->toPlainText();
        if (all.size() > TextAreaLength) {
            QSignalBlocker blocker(text);
            text->setPlainText(all.left(TextAreaLength));
            text->moveCursor(QTextCursor::End);
        }
    });
    grid->addWidget(controls.Text, 1, 0, 4, 1);

    const auto flagBox = [box, this](const QString& text, const QString& objectName, bool& flag) {
        auto* check = new QCheckBox(text, box);
        check->setObjectName(objectName);
        check->setChecked(flag);
        connect(check, &QCheckBox::toggled, this, [&flag](bool on) { flag = on; });
        return check;
    };
    controls.Bold = flagBox(QStringLiteral("Bold"), name + QStringLiteral("Bold"), block.Bold);
    controls.Italic = flagBox(QStringLiteral("Italic"), name + QStringLiteral("Italic"), block.Italic);
    controls.Center = flagBox(QStringLiteral("Center"), name + QStringLiteral("Center"), block.Center);
    controls.Size = new QComboBox(box);
    controls.Size->setObjectName(name + QStringLiteral("Size"));
    controls.Size->addItems(SizeNames());
    controls.Size->setCurrentIndex(std::clamp(block.Font, 1, SizeCount) - 1);
    connect(controls.Size, &QComboBox::currentIndexChanged, this, [&block](int index) {
        if (index >= 0)
            block.Font = index + 1;
    });
    auto* sizeRow = new QHBoxLayout;
    sizeRow->addWidget(new QLabel(QStringLiteral("Font Size"), box));
    sizeRow->addWidget(controls.Size);
    grid->addWidget(controls.Bold, 1, 1);
    grid->addWidget(controls.Italic, 2, 1);
    grid->addWidget(controls.Center, 3, 1);
    grid->addLayout(sizeRow, 4, 1);
    grid->setColumnStretch(0, 1);
    return box;
}

HtmlTextBlock& THtmlCreation::Block(int index)
{
    Settings& settings = m_context.settings;
    switch (index) {
    case 0: return settings.FirstHeader;
    case 1: return settings.SecondHeader;
    case 2: return settings.FirstFooter;
    default: return settings.SecondFooter;
    }
}

void THtmlCreation::showEvent(QShowEvent* event)
{
    PrepareDialog(this, m_context);
    m_typed.Take(this);
    QDialog::showEvent(event);
}

void THtmlCreation::reject()
{
    if (m_typed.MayClose(this))
        QDialog::reject();
}

void THtmlCreation::SaveHtmlClick()
{
    Settings& settings = m_context.settings;
    TBitmapWidth widthDialog(m_context, TBitmapWidth::Mode::Jpeg, this);
    if (widthDialog.exec() != QDialog::Accepted)
        return;
    settings.PixelWidth = widthDialog.Width();

    // The dialog and the picture's place come from the web page's row of the output formats.
    const TOutputFormat& format = *OutputFormats::find(QStringLiteral("html"));
    FileDialogRequest request;
    request.title = format.Title;
    request.filter = format.Filter;
    request.defaultSuffix = format.Suffix;
    request.initialPath = settings.*format.LastFile;
    const QString path = MessageService::instance().saveFileName(this, request);
    if (path.isEmpty())
        return;
    settings.*format.LastFile = path;

    for (int i = 0; i < int(m_blocks.size()); ++i)
        Block(i).Text = storedText(m_blocks[std::size_t(i)].Text);
    settings.WebTitle = Ansi::trimSpaces(m_title->text()).left(HtmlExport::TitleLength);

    const QImage image = m_pageImage ? m_pageImage(settings.PixelWidth) : QImage();
    QString failedPath;
    const IoResult written = HtmlExport::writePair(image, settings.JPegCompressionQuality, settings, path, &failedPath);
    if (!written) {
        if (written.status == IoResult::OpenFailed)
            MessageService::error(this, written.describe(HtmlExport::CreateFailedMessage));
        else if (written.status == IoResult::Refused)
            MessageService::error(this, written.systemError);
        else
            ReportWriteError(this, written, failedPath);
        return;
    }
    accept();
}
