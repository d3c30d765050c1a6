#include "pages/ui/DoPages.h"

#include "pages/PageFile.h"
#include "pages/PaperSizes.h"
#include "pages/ui/DoPagesRuler.h"
#include "store/Ansi.h"
#include "ui/AppContext.h"
#include "ui/HelpWindow.h"
#include "ui/MenuShortcuts.h"
#include "ui/MessageService.h"
#include "ui/WindowFit.h"
#include "ui/WindowSetup.h"
#include "ui/Windows1252Text.h"

#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

namespace {

// The palettes' entries: kind and caption, in the order shown.
struct PaletteEntry {
    int Kind;
    const char* Caption;
};
constexpr PaletteEntry CrosswordPalette[] = {
    {ObjectKind::Title, "Title"},           {ObjectKind::Puzzle, "Puzzle"},
    {ObjectKind::AcrossHeader, "Across Heading"}, {ObjectKind::DownHeader, "Down Heading"},
    {ObjectKind::AcrossClues, "Across Clues"}, {ObjectKind::DownClues, "Down Clues"},
    {ObjectKind::WordList, "Word List"},    {ObjectKind::BonusQuestion, "Bonus Quest"},
    {ObjectKind::CombinedClues, "Combined Clues"},
};
constexpr PaletteEntry ShapePalette[] = {
    {ObjectKind::Text, "Text"}, {ObjectKind::Bitmap, "Bitmap"},
    {ObjectKind::Rectangle, "Rectangle"}, {ObjectKind::Circle, "Circle"},
};

// Smallest window the designer opens at, whatever the settings say.
constexpr int MinimumWidth = 320;
constexpr int MinimumHeight = 240;

QString sideText(double value)
{
    return QString::number(value, 'f', 2);
}

} // namespace

bool TDoPages::Run(AppContext& context, QWidget* parent, const TPageLayout& layout, DesignMode mode, qint64 recordNumber)
{
    TDoPages window(context, layout, mode, recordNumber, parent);
    window.exec();
    return window.saved();
}

TDoPages::TDoPages(AppContext& context, const TPageLayout& layout, DesignMode mode, qint64 recordNumber, QWidget* parent)
    : QDialog(parent)
    , m_context(context)
    , m_layout(layout)
    , m_mode(mode)
    , m_recordNumber(recordNumber)
{
    setObjectName(QStringLiteral("DoPages"));
    setWindowTitle(QStringLiteral("Page Creator"));
    setModal(true);
    m_zoom = std::clamp(m_context.settings.Zoom, int(PaperSizes::ZoomSmall), int(PaperSizes::ZoomLarge));

    if (mode == DesignMode::New) {
        m_layout = TPageLayout{};
        m_layout.LayoutName.setText("New Page");
        m_layout.PaperName.setText("Letter");
        m_layout.PaperWidth = 8.5;
        m_layout.PaperHeight = 11;
        m_layout.UseInches = true;
        m_layout.Portrait = true;
        m_layout.DesignZoom = std::int16_t(m_zoom);
    }
    // Objects beyond the used slots are never shown, moved or saved as they were read.
    for (int i = m_layout.usedObjects(); i < PageLimits::Objects; ++i)
        m_layout.Objects[std::size_t(i)] = TPageObject{};
    m_layout.ObjectCount = std::int16_t(m_layout.usedObjects());
    PageDesign::SanitiseBounds(m_layout);
    if (m_layout.DesignZoom != m_zoom)
        PageDesign::RescaleObjects(m_layout, PageDesign::ZoomRescaleFactor(m_layout.DesignZoom, m_zoom));
    m_layout.DesignZoom = std::int16_t(m_zoom);
    // A standard paper keeps the size and unit of its table; a broken Custom size falls back to Letter.
    if (const auto paper = PaperSizes::findPaper(m_layout.PaperName.text())) {
        const QSizeF size = PaperSizes::orientedSize(*paper, m_layout.Portrait);
        m_layout.PaperWidth = size.width();
        m_layout.PaperHeight = size.height();
        m_layout.UseInches = paper->UseInches;
    } else if (!(m_layout.PaperWidth > 0 && m_layout.PaperHeight > 0 && std::isfinite(m_layout.PaperWidth)
                 && std::isfinite(m_layout.PaperHeight))) {
        m_layout.PaperName.setText(PaperSizes::CustomName);
        m_layout.PaperWidth = m_layout.Portrait ? 8.5 : 11;
        m_layout.PaperHeight = m_layout.Portrait ? 11 : 8.5;
        m_layout.UseInches = true;
    } else {
        m_layout.PaperName.setText(PaperSizes::CustomName);
    }
    m_opened = m_layout;

    loadPictures(false);
    buildControls();
    buildMenus();
    buildObjectMenu();
    EnableDisablePalette();
    BuildObjectsMenu();
    RedrawPage();
    resize(m_context.settings.PageDesignerWindowWidth, m_context.settings.PageDesignerWindowHeight);
}

int TDoPages::pixelsPerUnit() const
{
    return PaperSizes::pixelsPerUnit(m_zoom, m_layout.UseInches);
}

void TDoPages::buildControls()
{
    m_name = new QLineEdit(Ansi::toUnicode(m_layout.LayoutName.text()), this);
    m_name->setObjectName(QStringLiteral("NameBox"));
    AcceptWindows1252Only(m_name);
    m_name->setMaxLength(PageLimits::LayoutNameLength);

    m_paper = new QComboBox(this);
    m_paper->setObjectName(QStringLiteral("PaperBox"));
    m_paper->addItems(PaperSizes::paperNames());
    m_paper->setCurrentText(Ansi::toUnicode(m_layout.PaperName.text()));
    m_portrait = new QRadioButton(QStringLiteral("&Portrait"), this);
    m_portrait->setObjectName(QStringLiteral("PortraitButton"));
    m_landscape = new QRadioButton(QStringLiteral("&Landscape"), this);
    m_landscape->setObjectName(QStringLiteral("LandscapeButton"));
    (m_layout.Portrait ? m_portrait : m_landscape)->setChecked(true);

    m_customBoxes = new QWidget(this);
    m_width = new QLineEdit(m_customBoxes);
    m_width->setObjectName(QStringLiteral("WidthBox"));
    m_width->setMaxLength(5);
    m_height = new QLineEdit(m_customBoxes);
    m_height->setObjectName(QStringLiteral("HeightBox"));
    m_height->setMaxLength(5);
    m_inches = new QCheckBox(QStringLiteral("Inches"), m_customBoxes);
    m_inches->setObjectName(QStringLiteral("InchesBox"));
    auto* custom = new QHBoxLayout(m_customBoxes);
    custom->setContentsMargins(0, 0, 0, 0);
    custom->addWidget(new QLabel(QStringLiteral("Width"), m_customBoxes));
    custom->addWidget(m_width);
    custom->addWidget(new QLabel(QStringLiteral("Height"), m_customBoxes));
    custom->addWidget(m_height);
    custom->addWidget(m_inches);
    showCustomBoxes();

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Name"), this));
    top->addWidget(m_name, 1);
    top->addWidget(new QLabel(QStringLiteral("Paper Size"), this));
    top->addWidget(m_paper);
    top->addWidget(m_portrait);
    top->addWidget(m_landscape);
    top->addWidget(m_customBoxes);

    // The page in a scrolled area; its rulers stand outside it, so that they stay in sight, and
    // follow the page as it scrolls.
    auto* pageArea = new QWidget;
    auto* pageGrid = new QGridLayout(pageArea);
    pageGrid->setContentsMargins(0, 0, 0, 0);
    TDoPagesCanvas::Callbacks callbacks;
    callbacks.place = [this](QPoint at) { PlaceObject(at); };
    callbacks.select = [this](std::optional<int> index) { SelectObject(index); };
    callbacks.changeBounds = [this](int index, TObjectBounds bounds) { ChangeBounds(index, bounds); };
    callbacks.openMenu = [this](int index, QPoint at) { OpenObjectMenu(index, at); };
    m_canvas = new TDoPagesCanvas(m_layout, callbacks, pageArea);
    pageGrid->addWidget(m_canvas, 0, 0, Qt::AlignLeft | Qt::AlignTop);
    pageGrid->setRowStretch(1, 1);
    pageGrid->setColumnStretch(1, 1);
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("PageScroll"));
    scroll->setWidget(pageArea);
    scroll->setWidgetResizable(true);
    auto* topStrip = new QWidget(this);
    auto* leftStrip = new QWidget(this);
    m_topRuler = new TDoPagesRuler(Qt::Horizontal, topStrip);
    m_leftRuler = new TDoPagesRuler(Qt::Vertical, leftStrip);
    connect(scroll->horizontalScrollBar(), &QScrollBar::valueChanged, this, &TDoPages::followPageScroll);
    connect(scroll->verticalScrollBar(), &QScrollBar::valueChanged, this, &TDoPages::followPageScroll);
    auto* pageWithRulers = new QGridLayout;
    pageWithRulers->setSpacing(0);
    pageWithRulers->addWidget(topStrip, 0, 1);
    pageWithRulers->addWidget(leftStrip, 1, 0);
    pageWithRulers->addWidget(scroll, 1, 1);

    auto* middle = new QHBoxLayout;
    middle->addWidget(buildPalettes());
    middle->addLayout(pageWithRulers, 1);

    auto* save = new QPushButton(QStringLiteral("&Save"), this);
    save->setObjectName(QStringLiteral("SaveButton"));
    save->setAutoDefault(false);
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    cancel->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(middle, 1);
    layout->addLayout(buttons);

    connect(m_paper, &QComboBox::currentIndexChanged, this, &TDoPages::PaperSizeChange);
    connect(m_portrait, &QRadioButton::clicked, this, &TDoPages::OrientationClick);
    connect(m_landscape, &QRadioButton::clicked, this, &TDoPages::OrientationClick);
    connect(m_width, &QLineEdit::editingFinished, this, [this] { CustomSideExit(true); });
    connect(m_height, &QLineEdit::editingFinished, this, [this] { CustomSideExit(false); });
    connect(m_inches, &QCheckBox::clicked, this, &TDoPages::InchesClick);
    connect(save, &QPushButton::clicked, this, &TDoPages::SaveClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QWidget* TDoPages::buildPalettes()
{
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    const auto addGroup = [&](const QString& title, const auto& entries) {
        auto* group = new QGroupBox(title, column);
        auto* groupLayout = new QVBoxLayout(group);
        groupLayout->setSpacing(2);
        for (const PaletteEntry& entry : entries) {
            auto* button = new QToolButton(group);
            button->setObjectName(QStringLiteral("Palette%1").arg(entry.Kind));
            button->setText(QString::fromLatin1(entry.Caption));
            button->setCheckable(true);
            button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
            connect(button, &QToolButton::clicked, this, [this, kind = entry.Kind] { PaletteClick(kind); });
            groupLayout->addWidget(button);
            m_palette[std::size_t(entry.Kind)] = button;
        }
        layout->addWidget(group);
    };
    addGroup(QStringLiteral("Crossword Objects"), CrosswordPalette);
    addGroup(QString(), ShapePalette);
    layout->addStretch();
    return column;
}

void TDoPages::buildMenus()
{
    auto* bar = new QMenuBar(this);
    const auto item = [this](QMenu* menu, const QString& text, const char* name, const QKeySequence& key) {
        QAction* action = menu->addAction(text);
        action->setObjectName(QLatin1String(name));
        if (!key.isEmpty())
            action->setShortcut(key);
        return action;
    };
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    connect(item(file, QStringLiteral("&Save"), "MenuSave", QKeySequence(Qt::CTRL | Qt::Key_S)), &QAction::triggered,
            this, &TDoPages::SaveClick);
    QAction* exit = item(file, QStringLiteral("E&xit"), "MenuExit", QKeySequence(Qt::CTRL | Qt::Key_X));
    connect(exit, &QAction::triggered, this, &QDialog::reject);
    // Exit discards the design: Ctrl+X typed to cut text in a field must not close the window.
    LetFieldsKeepTheKeyOf(exit);

    QMenu* edit = bar->addMenu(QStringLiteral("&Edit"));
    QAction* undo = m_undo.createUndoAction(this, QStringLiteral("&Undo"));
    undo->setObjectName(QStringLiteral("MenuUndo"));
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    QAction* redo = m_undo.createRedoAction(this, QStringLiteral("&Redo"));
    redo->setObjectName(QStringLiteral("MenuRedo"));
    redo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y));
    edit->addAction(undo);
    edit->addAction(redo);

    m_objectsMenu = bar->addMenu(QStringLiteral("&Objects"));
    m_objectsMenu->setObjectName(QStringLiteral("ObjectsMenu"));

    QMenu* zoom = bar->addMenu(QStringLiteral("&Zoom"));
    auto* zoomGroup = new QActionGroup(this);
    const char* zoomNames[] = {"", "MenuSmall", "MenuMedium", "MenuLarge"};
    const QString zoomTexts[] = {{}, QStringLiteral("&Small"), QStringLiteral("&Medium"), QStringLiteral("&Large")};
    const Qt::Key zoomKeys[] = {Qt::Key_unknown, Qt::Key_F1, Qt::Key_F2, Qt::Key_F3};
    for (int z = PaperSizes::ZoomSmall; z <= PaperSizes::ZoomLarge; ++z) {
        QAction* action = item(zoom, zoomTexts[z], zoomNames[z], QKeySequence(Qt::CTRL | zoomKeys[z]));
        action->setCheckable(true);
        action->setChecked(z == m_zoom);
        zoomGroup->addAction(action);
        m_zoomItems[std::size_t(z)] = action;
        connect(action, &QAction::triggered, this, [this, z] { SetZoom(z); });
    }

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    connect(item(help, QStringLiteral("&Crossword Objects"), "MenuHelp", {}), &QAction::triggered, this,
            [this] { ShowHelpTopic(this, m_context, QStringLiteral("CROSSWORD OBJECTS")); });
    QWidget::layout()->setMenuBar(bar);
}

void TDoPages::showEvent(QShowEvent* event)
{
    if (!m_shown) {
        m_shown = true;
        const Settings& s = m_context.settings;
        PrepareRememberedWindow(this, m_context,
                                QRect(s.PageDesignerWindowLeft, s.PageDesignerWindowTop,
                                      std::max(MinimumWidth, s.PageDesignerWindowWidth),
                                      std::max(MinimumHeight, s.PageDesignerWindowHeight)));
        RedrawPage();
        showWholePage();
        loadPictures(true);
    }
    QDialog::showEvent(event);
}

void TDoPages::showWholePage()
{
    auto* scroll = findChild<QScrollArea*>(QStringLiteral("PageScroll"));
    QWidget::layout()->activate();
    const QSize missing = scroll->widget()->minimumSizeHint() - scroll->maximumViewportSize();
    if (missing.width() > 0 || missing.height() > 0)
        RestoreOnScreen(this, QRect(pos(), size() + missing.expandedTo(QSize(0, 0))));
}

void TDoPages::followPageScroll()
{
    const auto* scroll = findChild<QScrollArea*>(QStringLiteral("PageScroll"));
    const int frame = scroll->frameWidth();
    m_topRuler->move(frame - scroll->horizontalScrollBar()->value(), 0);
    m_leftRuler->move(0, frame - scroll->verticalScrollBar()->value());
}

void TDoPages::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (m_armed)
            disarm();
        else
            m_canvas->setSelected(std::nullopt);
        return;
    }
    if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier && m_canvas->selected()) {
        m_current = *m_canvas->selected();
        MenuDeleteClick();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TDoPages::done(int result)
{
    if (m_shown) {
        // Where the frame is and how large the inside, as RestoreOnScreen takes them back.
        m_context.settings.PageDesignerWindowLeft = x();
        m_context.settings.PageDesignerWindowTop = y();
        const QSize remembered = RememberedSize(this);
        m_context.settings.PageDesignerWindowWidth = remembered.width();
        m_context.settings.PageDesignerWindowHeight = remembered.height();
    }
    m_pictures.clear();
    QDialog::done(result);
}

bool TDoPages::modified() const
{
    // Object edits are on the undo stack (a zoom or unit change rescales them, not an edit); the
    // name and paper are compared as Save would store them.
    const QByteArray name = Ansi::trimSpaces(Ansi::fromUnicode(m_name->text())).left(PageLimits::LayoutNameLength);
    const bool custom = m_layout.PaperName.text() == QByteArray(PaperSizes::CustomName);
    return !m_undo.isClean() || name != m_opened.LayoutName.text()
        || Ansi::fromUnicode(m_paper->currentText()) != m_opened.PaperName.text() || bool(m_layout.Portrait) != bool(m_opened.Portrait)
        || bool(m_layout.UseInches) != bool(m_opened.UseInches) || m_layout.PaperWidth != m_opened.PaperWidth
        || m_layout.PaperHeight != m_opened.PaperHeight
        || (custom && (m_width->text() != sideText(m_layout.PaperWidth) || m_height->text() != sideText(m_layout.PaperHeight)));
}

void TDoPages::reject()
{
    if (m_validating || !m_shown || !modified()) {
        QDialog::reject();
        return;
    }
    const MessageService::Button answer = MessageService::instance().ask(
        this, QStringLiteral("Page layout has been modified.  Save changes?"), QStringLiteral("Warning"),
        {MessageService::Button::Yes, MessageService::Button::No, MessageService::Button::Cancel},
        MessageService::Icon::Question);
    if (answer == MessageService::Button::Yes)
        SaveClick(); // closes only when the layout was written
    else if (answer == MessageService::Button::No)
        QDialog::reject();
}

void TDoPages::loadPictures(bool warn)
{
    bool missing = false;
    for (int i = 0; i < m_layout.usedObjects(); ++i) {
        const TPageObject& object = m_layout.Objects[std::size_t(i)];
        if (object.Kind != ObjectKind::Bitmap || object.BitmapFile.isEmpty())
            continue;
        const QString path = Ansi::toUnicode(object.BitmapFile.text());
        if (m_pictures.contains(path))
            continue;
        QImage picture;
        if (QFileInfo::exists(path))
            picture.load(path);
        else
            missing = true;
        if (!picture.isNull())
            m_pictures.insert(path, picture);
    }
    if (warn && missing)
        MessageService::warning(this, DesignerMessages::BitmapMissing.text(), DesignerMessages::BitmapMissing.caption());
}

void TDoPages::RedrawPage()
{
    const QSize size = PaperSizes::designPixels(QSizeF(m_layout.PaperWidth, m_layout.PaperHeight), m_zoom, m_layout.UseInches);
    m_layout.PixelWidth = std::int16_t(size.width());
    m_layout.PixelHeight = std::int16_t(size.height());
    // The page and its rulers are drawn at the window's screen size, the design pixels unchanged.
    const double scale = WindowScale(this);
    m_canvas->setViewScale(scale);
    m_canvas->redraw(size, m_pictures);
    m_topRuler->setScale(pixelsPerUnit(), m_layout.UseInches, size.width(), scale);
    m_leftRuler->setScale(pixelsPerUnit(), m_layout.UseInches, size.height(), scale);
    m_topRuler->parentWidget()->setFixedHeight(m_topRuler->height());
    m_leftRuler->parentWidget()->setFixedWidth(m_leftRuler->width());
    followPageScroll();
}

void TDoPages::EnableDisablePalette()
{
    const PageDesign::KindFlags enabled = PageDesign::PaletteEnabled(m_layout);
    for (int kind = ObjectKind::Title; kind <= ObjectKind::Circle; ++kind)
        m_palette[std::size_t(kind)]->setEnabled(enabled[std::size_t(kind)]);
    if (m_armed && !enabled[std::size_t(m_armed)])
        disarm();
}

void TDoPages::BuildObjectsMenu()
{
    m_objectsMenu->clear();
    for (int i = 0; i < m_layout.usedObjects(); ++i) {
        QString caption = Ansi::toUnicode(m_layout.Objects[std::size_t(i)].Name.text());
        caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* action = m_objectsMenu->addAction(caption);
        action->setObjectName(QStringLiteral("ObjectItem%1").arg(i + 1));
        connect(action, &QAction::triggered, this, [this, i] { OpenObjectMenu(i, mapToGlobal(QPoint(20, 20))); });
    }
}

void TDoPages::disarm()
{
    for (QToolButton* button : m_palette) {
        if (!button)
            continue;
        button->setChecked(false);
        button->setStyleSheet(QString());
    }
    m_armed = 0;
    m_canvas->setArmed(false);
}

void TDoPages::PaletteClick(int kind)
{
    const bool wasArmed = m_armed == kind;
    disarm();
    if (wasArmed)
        return;
    m_armed = kind;
    QToolButton* button = m_palette[std::size_t(kind)];
    button->setChecked(true);
    button->setStyleSheet(QStringLiteral("QToolButton { background-color: #00C000; }"));
    m_canvas->setArmed(true);
}

void TDoPages::showCustomBoxes()
{
    const bool custom = m_layout.PaperName.text() == QByteArray(PaperSizes::CustomName);
    m_customBoxes->setVisible(custom);
    m_width->setText(sideText(m_layout.PaperWidth));
    m_height->setText(sideText(m_layout.PaperHeight));
    m_inches->setChecked(m_layout.UseInches);
}

void TDoPages::PaperSizeChange(int index)
{
    const QString name = m_paper->itemText(index);
    m_layout.PaperName.setText(Ansi::fromUnicode(name));
    if (const auto paper = PaperSizes::findPaper(m_layout.PaperName.text())) {
        const QSizeF size = PaperSizes::orientedSize(*paper, m_layout.Portrait);
        m_layout.PaperWidth = size.width();
        m_layout.PaperHeight = size.height();
        m_layout.UseInches = paper->UseInches;
    }
    showCustomBoxes();
    if (name == QLatin1String("A5") || name == QLatin1String("B5") || name == QLatin1String("Executive")
        || name == QLatin1String(PaperSizes::CustomName))
        MessageService::warning(this, DesignerMessages::OddPaper.text(), DesignerMessages::OddPaper.caption());
    RedrawPage();
}

void TDoPages::OrientationClick()
{
    const bool portrait = m_portrait->isChecked();
    if (portrait == m_layout.Portrait)
        return;
    m_layout.Portrait = portrait;
    std::swap(m_layout.PaperWidth, m_layout.PaperHeight);
    showCustomBoxes();
    RedrawPage();
}

bool TDoPages::CustomSideExit(bool width)
{
    if (m_layout.PaperName.text() != QByteArray(PaperSizes::CustomName) || m_validating)
        return true;
    QLineEdit* box = width ? m_width : m_height;
    bool ok = false;
    const double value = box->text().trimmed().toDouble(&ok);
    if (const auto error = PageDesign::CustomSideError(width, m_layout.UseInches, ok ? value : std::nan(""))) {
        m_validating = true;
        MessageService::error(this, error->text(), error->caption());
        m_validating = false;
        box->setFocus();
        return false;
    }
    double& side = width ? m_layout.PaperWidth : m_layout.PaperHeight;
    if (value != side) {
        side = value;
        RedrawPage();
    }
    return true;
}

void TDoPages::InchesClick(bool checked)
{
    if (checked == m_layout.UseInches)
        return;
    m_layout.PaperWidth = PageDesign::ConvertedSide(m_layout.PaperWidth, checked);
    m_layout.PaperHeight = PageDesign::ConvertedSide(m_layout.PaperHeight, checked);
    m_layout.UseInches = checked;
    rescaleObjects(checked ? PageDesign::CentimetresToInchesScale : PageDesign::InchesToCentimetresScale);
    showCustomBoxes();
    RedrawPage();
}

void TDoPages::SetZoom(int zoom)
{
    zoom = std::clamp(zoom, int(PaperSizes::ZoomSmall), int(PaperSizes::ZoomLarge));
    m_zoomItems[std::size_t(zoom)]->setChecked(true);
    if (zoom == m_zoom)
        return;
    rescaleObjects(PageDesign::ZoomRescaleFactor(m_zoom, zoom));
    m_zoom = zoom;
    m_layout.DesignZoom = std::int16_t(zoom);
    m_context.settings.Zoom = zoom;
    RedrawPage();
}

void TDoPages::rescaleObjects(double factor)
{
    PageDesign::RescaleObjects(m_layout, factor);
    for (int i = 0; i < m_undo.count(); ++i) {
        // The stack hands out its commands as const; every one of them is a designer edit.
        if (auto* edit = dynamic_cast<TDesignEdit*>(const_cast<QUndoCommand*>(m_undo.command(i))))
            edit->rescale(factor);
    }
}

void TDoPages::SaveClick()
{
    if (m_layout.PaperName.text() == QByteArray(PaperSizes::CustomName)) {
        if (!CustomSideExit(true) || !CustomSideExit(false))
            return;
    }
    m_layout.LayoutName.setText(Ansi::trimSpaces(Ansi::fromUnicode(m_name->text())).left(PageLimits::LayoutNameLength));
    m_layout.PaperName.setText(Ansi::fromUnicode(m_paper->currentText()));
    m_layout.DesignZoom = std::int16_t(m_zoom);
    const TPageFileReport report = m_mode == DesignMode::Modify
                                       ? ReplaceLayout(m_context.PageFilePath(), m_recordNumber, m_layout)
                                       : AppendLayout(m_context.PageFilePath(), m_layout);
    if (!report) {
        MessageService::error(this, report.Text, report.Caption);
        return;
    }
    m_saved = true;
    accept();
}
