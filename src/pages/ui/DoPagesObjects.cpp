// The page designer's objects: placing, selecting, the object menu, its dialogs and undo.
#include "pages/ui/DoPages.h"

#include "render/ObjectFont.h"
#include "pages/ui/BorderInfo.h"
#include "pages/ui/FillInfo.h"
#include "pages/ui/FontChooser.h"
#include "pages/ui/NumbersInPuzzle.h"
#include "pages/ui/ObjectProperties.h"
#include "pages/ui/ObjectText.h"
#include "pages/ui/PuzzleProperties.h"
#include "pages/ui/SizePosition.h"
#include "store/Ansi.h"
#include "ui/AppContext.h"
#include "ui/MessageService.h"

#include <QFileInfo>
#include <QMenu>

namespace {

// The object menu's items that depend on the kind.
enum MenuItem { Properties, Border, Fill, ChangeText, Alignment, TextFont, ClueNumberFont, LoadBitmap, ItemCount };

// Which of those each kind 1..13 enables.
std::array<bool, ItemCount> enabledItems(int kind)
{
    std::array<bool, ItemCount> on{};
    const auto set = [&on](std::initializer_list<MenuItem> items) {
        for (MenuItem item : items)
            on[std::size_t(item)] = true;
    };
    switch (kind) {
    case ObjectKind::Title:
    case ObjectKind::BonusQuestion:
        set({Properties, Border, Alignment, TextFont});
        break;
    case ObjectKind::Puzzle:
        set({Properties, TextFont, ClueNumberFont});
        break;
    case ObjectKind::DownHeader:
    case ObjectKind::AcrossHeader:
    case ObjectKind::Text:
        set({Properties, Border, ChangeText, Alignment, TextFont});
        break;
    case ObjectKind::DownClues:
    case ObjectKind::AcrossClues:
    case ObjectKind::WordList:
    case ObjectKind::CombinedClues:
        set({Properties, Border, TextFont});
        break;
    case ObjectKind::Bitmap:
        set({Border, LoadBitmap});
        break;
    case ObjectKind::Rectangle:
    case ObjectKind::Circle:
        set({Border, Fill});
        break;
    default:
        break;
    }
    return on;
}

const char* const ItemNames[ItemCount] = {"MenuProperties", "MenuBorder", "MenuFill", "MenuChangeText",
                                          "MenuTextAlignment", "MenuTextFont", "MenuClueNumberFont", "MenuLoadBitmap"};

} // namespace

void TDoPages::buildObjectMenu()
{
    m_objectMenu = new QMenu(this);
    m_objectMenu->setObjectName(QStringLiteral("ObjectMenu"));
    const auto item = [this](const QString& text, const char* name, auto handler) {
        QAction* action = m_objectMenu->addAction(text);
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    item(QStringLiteral("&Size && Position..."), "MenuSizePosition", &TDoPages::MenuSizePositionClick);
    item(QStringLiteral("&Properties"), ItemNames[Properties], &TDoPages::MenuPropertiesClick);
    item(QStringLiteral("B&order"), ItemNames[Border], &TDoPages::MenuBorderClick);
    item(QStringLiteral("&Fill"), ItemNames[Fill], &TDoPages::MenuFillClick);
    item(QStringLiteral("Change &Text..."), ItemNames[ChangeText], &TDoPages::MenuChangeTextClick);
    QMenu* alignment = m_objectMenu->addMenu(QStringLiteral("Text &Alignment"));
    alignment->menuAction()->setObjectName(QLatin1String(ItemNames[Alignment]));
    const QString alignTexts[] = {{}, QStringLiteral("&Left"), QStringLiteral("&Center"), QStringLiteral("&Right")};
    const char* alignNames[] = {"", "MenuAlignLeft", "MenuAlignCenter", "MenuAlignRight"};
    for (std::int16_t a = TextAlignment::Left; a <= TextAlignment::Right; ++a) {
        QAction* action = alignment->addAction(alignTexts[a]);
        action->setObjectName(QLatin1String(alignNames[a]));
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, [this, a] { MenuAlignmentClick(a); });
        m_alignItems[a] = action;
    }
    item(QStringLiteral("Text &Font"), ItemNames[TextFont], &TDoPages::MenuTextFontClick);
    item(QStringLiteral("&Clue Number Font"), ItemNames[ClueNumberFont], &TDoPages::MenuClueNumberFontClick);
    item(QStringLiteral("Load B&itmap"), ItemNames[LoadBitmap], &TDoPages::MenuLoadBitmapClick);
    m_objectMenu->addSeparator();
    item(QStringLiteral("&Delete"), "MenuDelete", &TDoPages::MenuDeleteClick);
    item(QStringLiteral("&Bring To Front"), "MenuBringToFront", &TDoPages::MenuBringToFrontClick);
    item(QStringLiteral("&Send To Back"), "MenuSendToBack", &TDoPages::MenuSendToBackClick);
}

bool TDoPages::currentValid() const
{
    return m_current >= 0 && m_current < m_layout.usedObjects();
}

void TDoPages::PrepareObjectMenu(int index)
{
    m_current = index;
    if (!currentValid())
        return;
    const TPageObject& object = m_layout.Objects[std::size_t(index)];
    const std::array<bool, ItemCount> on = enabledItems(object.Kind);
    for (int i = 0; i < ItemCount; ++i) {
        if (auto* action = m_objectMenu->findChild<QAction*>(QLatin1String(ItemNames[i])))
            action->setEnabled(on[std::size_t(i)]);
    }
    m_objectMenu->findChild<QAction*>(QLatin1String(ItemNames[TextFont]))
        ->setText(object.Kind == ObjectKind::Puzzle ? QStringLiteral("Answer Key Font") : QStringLiteral("Text &Font"));
    for (std::int16_t a = TextAlignment::Left; a <= TextAlignment::Right; ++a)
        m_alignItems[a]->setChecked(object.Alignment == a);
}

void TDoPages::OpenObjectMenu(int index, QPoint globalPoint)
{
    PrepareObjectMenu(index);
    if (currentValid())
        m_objectMenu->popup(globalPoint);
}

void TDoPages::PlaceObject(QPoint at)
{
    const int kind = m_armed;
    disarm();
    if (!PageDesign::PaletteEnabled(m_layout)[std::size_t(kind)])
        return;
    const TObjectState before = TObjectState::of(m_layout);
    const TPageObject object = PageDesign::NewPageObject(m_layout, kind, at, pixelsPerUnit(),
                                                         Ansi::fromUnicode(m_context.settings.AcrossLabel),
                                                         Ansi::fromUnicode(m_context.settings.DownLabel));
    const std::optional<int> slot = PageDesign::AddObject(m_layout, object);
    if (!slot)
        return;
    commitEdit(QStringLiteral("Place ") + Ansi::toUnicode(object.Name.text()), before);
    objectsChanged();
    m_canvas->setSelected(slot);
}

void TDoPages::SelectObject(std::optional<int> index)
{
    m_canvas->setSelected(index);
}

void TDoPages::ChangeBounds(int index, TObjectBounds bounds)
{
    if (index < 0 || index >= m_layout.usedObjects())
        return;
    TObjectBounds& current = m_layout.Objects[std::size_t(index)].Bounds;
    const bool sameSize = current.Right - current.Left == bounds.Right - bounds.Left
                          && current.Bottom - current.Top == bounds.Bottom - bounds.Top;
    const TObjectState before = TObjectState::of(m_layout);
    current = PageDesign::Sanitised(bounds);
    commitEdit(sameSize ? QStringLiteral("Move") : QStringLiteral("Resize"), before);
    RedrawPage();
    m_canvas->setSelected(index);
}

template <typename Dialog, typename... Args>
void TDoPages::runObjectDialog(const QString& editName, Args&&... args)
{
    if (!currentValid())
        return;
    Dialog dialog(m_context, m_layout.Objects[std::size_t(m_current)], std::forward<Args>(args)..., this);
    if (dialog.exec() == QDialog::Accepted)
        applyObject(dialog.object(), editName);
}

void TDoPages::applyObject(const TPageObject& object, const QString& editName)
{
    if (!currentValid())
        return;
    const TObjectState before = TObjectState::of(m_layout);
    m_layout.Objects[std::size_t(m_current)] = object;
    commitEdit(editName, before);
    objectsChanged();
}

void TDoPages::MenuSizePositionClick()
{
    runObjectDialog<TSizePosition>(QStringLiteral("Size & Position"), pixelsPerUnit(), bool(m_layout.UseInches),
                                   QSize(m_layout.PixelWidth, m_layout.PixelHeight));
}

void TDoPages::MenuPropertiesClick()
{
    if (!currentValid())
        return;
    if (m_layout.Objects[std::size_t(m_current)].Kind == ObjectKind::Puzzle)
        runObjectDialog<TPuzzleProperties>(QStringLiteral("Properties"));
    else
        runObjectDialog<TObjectProperties>(QStringLiteral("Properties"));
}

void TDoPages::MenuBorderClick()
{
    runObjectDialog<TBorderInfo>(QStringLiteral("Border"));
}

void TDoPages::MenuFillClick()
{
    runObjectDialog<TFillInfo>(QStringLiteral("Fill"));
}

void TDoPages::MenuChangeTextClick()
{
    runObjectDialog<TObjectText>(QStringLiteral("Change Text"));
}

void TDoPages::MenuClueNumberFontClick()
{
    runObjectDialog<TNumbersInPuzzle>(QStringLiteral("Clue Number Font"));
}

void TDoPages::MenuAlignmentClick(std::int16_t alignment)
{
    if (!currentValid())
        return;
    TPageObject object = m_layout.Objects[std::size_t(m_current)];
    object.Alignment = alignment;
    applyObject(object, QStringLiteral("Text Alignment"));
}

void TDoPages::MenuTextFontClick()
{
    if (!currentValid())
        return;
    TPageObject object = m_layout.Objects[std::size_t(m_current)];
    const QString title = object.Kind == ObjectKind::Puzzle ? QStringLiteral("Answer Key Font") : QStringLiteral("Text Font");
    if (const auto font = ChooseCanvasFont(this, ObjectFont(object, false), title)) {
        StoreObjectFont(object, false, *font);
        applyObject(object, title);
    }
}

void TDoPages::MenuLoadBitmapClick()
{
    if (!currentValid())
        return;
    TPageObject object = m_layout.Objects[std::size_t(m_current)];
    FileDialogRequest request;
    request.title = QStringLiteral("Load Bitmap File");
    request.filter = QStringLiteral("Bitmap (*.BMP *.bmp)");
    request.defaultSuffix = QStringLiteral("BMP");
    request.initialPath = Ansi::toUnicode(object.BitmapFile.text());
    request.confirmOverwrite = false;
    const QString path = MessageService::instance().openFileName(this, request);
    if (path.isEmpty())
        return;
    // The picture must be a .BMP file that reads as a picture, and its path must fit the record.
    const QByteArray stored = Ansi::fromUnicode(path);
    QImage picture;
    if (QFileInfo(path).suffix().compare(QLatin1String("BMP"), Qt::CaseInsensitive) != 0 || !picture.load(path, "BMP")
        || Ansi::toUnicode(stored) != path || stored.size() > PageLimits::BitmapFileLength) {
        MessageService::error(this, DesignerMessages::NotABitmap.text(), DesignerMessages::NotABitmap.caption());
        return;
    }
    m_pictures.insert(path, picture);
    object.BitmapFile.setText(stored);
    applyObject(object, QStringLiteral("Load Bitmap"));
}

void TDoPages::MenuDeleteClick()
{
    if (!currentValid())
        return;
    const TObjectState before = TObjectState::of(m_layout);
    PageDesign::RemoveObject(m_layout, m_current);
    m_current = -1;
    m_canvas->setSelected(std::nullopt);
    commitEdit(QStringLiteral("Delete"), before);
    objectsChanged();
}

void TDoPages::MenuBringToFrontClick()
{
    if (!currentValid())
        return;
    const TObjectState before = TObjectState::of(m_layout);
    const int last = m_layout.usedObjects() - 1;
    PageDesign::MoveObject(m_layout, m_current, last);
    m_current = last;
    commitEdit(QStringLiteral("Bring To Front"), before);
    objectsChanged();
    m_canvas->setSelected(last);
}

void TDoPages::MenuSendToBackClick()
{
    if (!currentValid())
        return;
    const TObjectState before = TObjectState::of(m_layout);
    PageDesign::MoveObject(m_layout, m_current, 0);
    m_current = 0;
    commitEdit(QStringLiteral("Send To Back"), before);
    objectsChanged();
    m_canvas->setSelected(0);
}

void TDoPages::commitEdit(const QString& editName, const TObjectState& before)
{
    TObjectState after = TObjectState::of(m_layout);
    if (after.sameObjects(before))
        return;
    m_undo.push(new TDesignEdit(editName, before, std::move(after), [this](const TObjectState& state) { restoreObjects(state); }));
}

void TDoPages::restoreObjects(const TObjectState& state)
{
    m_layout.ObjectCount = state.ObjectCount;
    m_layout.Objects = state.Objects;
    if (!currentValid())
        m_current = -1;
    objectsChanged();
}

void TDoPages::objectsChanged()
{
    EnableDisablePalette();
    BuildObjectsMenu();
    RedrawPage();
}
