#include "ui/WindowSetup.h"

#include "ui/AppContext.h"
#include "ui/WindowFit.h"
#include "store/WindowsColor.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QGroupBox>
#include <QHeaderView>
#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScreen>
#include <QTableWidget>
#include <QTextEdit>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {

QFont fontOf(const FontSetting& setting, const QFont& base)
{
    QFont font = base;
    font.setFamily(setting.Name);
    font.setBold(setting.Bold);
    font.setItalic(setting.Italic);
    return font;
}

const char* const UserPointsProperty = "quorvexUserPointSize";

void setFontAndColor(QWidget* widget, const FontSetting& setting, bool withColor)
{
    widget->setFont(fontOf(setting, widget->font()));
    widget->setProperty(UserPointsProperty, setting.PointSize);
    if (withColor) {
        // The colour is for the enabled look only: a disabled control keeps the greyed text that
        // tells it ignores clicks.
        QPalette palette = widget->palette();
        const QColor color = ColorFromWindows(std::uint32_t(setting.Color));
        for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            palette.setColor(group, QPalette::WindowText, color);
            palette.setColor(group, QPalette::Text, color);
        }
        widget->setPalette(palette);
    }
}

} // namespace

qreal FontBaseSize(const QWidget* control, qreal designPoints)
{
    const int user = control->property(UserPointsProperty).toInt();
    return user > 0 && designPoints > 0 ? qreal(user) : designPoints;
}

void ApplyUserFonts(QWidget* window, const AppContext& context)
{
    const Settings& s = context.settings;
    const auto children = window->findChildren<QWidget*>();
    for (QWidget* w : children) {
        if (qobject_cast<QLabel*>(w) || qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w))
            setFontAndColor(w, s.LabelFont, true);
        else if (qobject_cast<QGroupBox*>(w))
            setFontAndColor(w, s.LabelFont, false);
        else if (qobject_cast<QTableWidget*>(w) || qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w)
                 || qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QTextEdit*>(w))
            setFontAndColor(w, s.EditFont, true);
        else if (qobject_cast<QAbstractItemView*>(w))
            setFontAndColor(w, s.LabelFont, false);
        else if (qobject_cast<QAbstractButton*>(w))
            setFontAndColor(w, s.ButtonFont, false);
    }
}

namespace {

// Design values of a window and its controls, kept on them the first time the window is prepared,
// so that preparing it again (another screen size, another showing) starts from them again.
const char* const DesignSizeProperty = "quorvexDesignSize";
const char* const DesignFontProperty = "quorvexDesignPointSize";
const char* const DesignMinimumProperty = "quorvexDesignMinimumSize";
const char* const DesignMaximumProperty = "quorvexDesignMaximumSize";
const char* const DesignColumnsProperty = "quorvexDesignColumnWidths";
const char* const DesignRowProperty = "quorvexDesignRowHeight";
const char* const DesignIconProperty = "quorvexDesignIconSize";
const char* const DesignMarginsProperty = "quorvexDesignMargins";
const char* const DesignSpacingProperty = "quorvexDesignSpacing";
const char* const WindowScaleProperty = "quorvexWindowScale";

/** Room a window manager's title bar takes besides the title: icon and buttons. */
constexpr int TitleBarRoom = 120;

/** Whether a size limit was set by the window's code (Qt's defaults are 0 and QWIDGETSIZE_MAX). */
bool isSet(int extent, int unset)
{
    return extent != unset && extent > 0;
}

QSize scaledLimit(QSize design, double factor, int unset)
{
    const auto scale = [&](int extent) { return isSet(extent, unset) ? int(extent * factor) : extent; };
    return {scale(design.width()), scale(design.height())};
}

/**
 * Scales a control's font and the size limits its code set (a limit of 0 or QWIDGETSIZE_MAX is
 * the layout's business and stays). A window's own limits belong to its layout and stay too.
 */
void recordDesign(QWidget* control)
{
    if (!control->property(DesignFontProperty).isValid()) {
        control->setProperty(DesignFontProperty, control->font().pointSizeF());
        control->setProperty(DesignMinimumProperty, control->minimumSize());
        control->setProperty(DesignMaximumProperty, control->maximumSize());
        if (const auto* button = qobject_cast<QAbstractButton*>(control))
            control->setProperty(DesignIconProperty, button->iconSize());
        if (const auto* table = qobject_cast<QTableView*>(control)) {
            QVariantList widths;
            for (int column = 0; column < table->horizontalHeader()->count(); ++column)
                widths.append(table->columnWidth(column));
            control->setProperty(DesignColumnsProperty, widths);
            control->setProperty(DesignRowProperty, table->verticalHeader()->defaultSectionSize());
        }
    }
}

/** A grid's column widths and row height grow with its text (a stretched column takes the rest). */
void scaleTable(QTableView* table, double factor)
{
    const QVariantList widths = table->property(DesignColumnsProperty).toList();
    QHeaderView* columns = table->horizontalHeader();
    for (int column = 0; column < widths.size() && column < columns->count(); ++column) {
        const bool stretched = columns->sectionResizeMode(column) == QHeaderView::Stretch
                               || (columns->stretchLastSection() && column == columns->count() - 1);
        if (!stretched)
            table->setColumnWidth(column, int(widths.at(column).toInt() * factor));
    }
    table->verticalHeader()->setDefaultSectionSize(int(table->property(DesignRowProperty).toInt() * factor));
}

void scaleControl(QWidget* control, double factor)
{
    const qreal designPoints = FontBaseSize(control, control->property(DesignFontProperty).toReal());
    if (designPoints > 0) {
        QFont scaled = control->font();
        scaled.setPointSizeF(designPoints * factor);
        control->setFont(scaled);
    }
    if (control->isWindow())
        return;
    if (auto* table = qobject_cast<QTableView*>(control))
        scaleTable(table, factor);
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        // Pictures and arrows on buttons grow with their text.
        const QSize icon = control->property(DesignIconProperty).toSize();
        button->setIconSize(QSize(int(icon.width() * factor), int(icon.height() * factor)));
    }
    const QSize minimum = control->property(DesignMinimumProperty).toSize();
    const QSize maximum = control->property(DesignMaximumProperty).toSize();
    if (minimum != QSize(0, 0))
        control->setMinimumSize(scaledLimit(minimum, factor, 0));
    if (maximum != QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX))
        control->setMaximumSize(scaledLimit(maximum, factor, QWIDGETSIZE_MAX));
}

/**
 * The room the window manager's frame takes around a window. A window not shown yet has no frame
 * to measure; it will get the one the program's other windows have, so theirs is taken instead
 * (else a dialog as tall as the free area would lose its bottom to the title bar).
 */
QSize decorationOf(const QWidget* window)
{
    const QSize own = window->frameGeometry().size() - window->size();
    if (!own.isNull())
        return own;
    QWidgetList others = QApplication::topLevelWidgets();
    if (const QWidget* parent = window->parentWidget())
        others.prepend(parent->window());
    for (const QWidget* other : std::as_const(others)) {
        const QSize frame = other->frameGeometry().size() - other->size();
        if (other != window && other->isVisible() && !frame.isNull())
            return frame;
    }
    return own;
}

} // namespace

QRect AvailableArea(const QWidget* window)
{
    const QScreen* screen = window ? window->screen() : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 640, 480);
}

void FitOnScreen(QWidget* window, const QRect& area)
{
    const QSize decoration = decorationOf(window);
    window->resize(window->size().boundedTo(area.size() - decoration));
    const QSize outer = window->size() + decoration;
    const int left = area.x() + std::max(0, (area.width() - outer.width()) / 2);
    const int top = area.y() + std::max(0, (area.height() - outer.height()) / 2);
    window->move(left, top);
}

double WindowScale(const QWidget* widget)
{
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        const QVariant scale = w->property(WindowScaleProperty);
        if (scale.isValid())
            return scale.toDouble();
    }
    return 1.0;
}

void ScaleSpacing(QWidget* window, double factor)
{
    // The layouts of this window, not of a window it owns (that one is scaled when it is shown).
    QList<QLayout*> layouts = window->findChildren<QLayout*>();
    layouts.removeIf([window](const QLayout* layout) {
        return !layout->parentWidget() || layout->parentWidget()->window() != window;
    });
    for (QLayout* layout : layouts) {
        if (!layout->property(DesignMarginsProperty).isValid()) {
            const QMargins m = layout->contentsMargins();
            layout->setProperty(DesignMarginsProperty, QRect(m.left(), m.top(), m.right(), m.bottom()));
            layout->setProperty(DesignSpacingProperty, layout->spacing());
            if (const auto* grid = qobject_cast<QGridLayout*>(layout))
                layout->setProperty(DesignSpacingProperty, QSize(grid->horizontalSpacing(), grid->verticalSpacing()));
        }
    }
    // The style's sizes (indicators, icons, scroll bars, frames) follow this property at once.
    window->setProperty(WindowScaleProperty, factor);
    for (QLayout* layout : layouts) {
        const QRect m = layout->property(DesignMarginsProperty).toRect();
        const auto scale = [factor](int extent) { return int(std::lround(extent * factor)); };
        layout->setContentsMargins(scale(m.x()), scale(m.y()), scale(m.width()), scale(m.height()));
        const QVariant spacing = layout->property(DesignSpacingProperty);
        if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
            // A spacing the style leaves to the controls' kinds (-1) stays so.
            if (spacing.toSize().width() >= 0)
                grid->setHorizontalSpacing(scale(spacing.toSize().width()));
            if (spacing.toSize().height() >= 0)
                grid->setVerticalSpacing(scale(spacing.toSize().height()));
        } else if (spacing.toInt() >= 0) {
            layout->setSpacing(scale(spacing.toInt()));
        }
    }
}

void ScaleWindow(QWidget* window, double factor)
{
    if (!window->property(DesignSizeProperty).isValid())
        window->setProperty(DesignSizeProperty, window->size());
    // Every design value is taken before anything changes: a control whose font follows the
    // window's would otherwise be taken at the window's scaled size. Menus are windows of their
    // own but belong to this one.
    std::vector<QWidget*> controls{window};
    const auto children = window->findChildren<QWidget*>();
    for (QWidget* child : children) {
        if (!child->isWindow() || qobject_cast<QMenu*>(child))
            controls.push_back(child);
    }
    for (QWidget* control : controls)
        recordDesign(control);
    ScaleSpacing(window, factor);
    for (QWidget* control : controls)
        scaleControl(control, factor);
    const QSize design = window->property(DesignSizeProperty).toSize();
    window->resize(int(design.width() * factor), int(design.height() * factor));
}

namespace {

/** The least room a window's layout and own limits leave it, frame included. */
QSize leastOuterSize(const QWidget* window)
{
    const QSize decoration = decorationOf(window);
    return window->minimumSizeHint().expandedTo(window->minimumSize()) + decoration;
}

} // namespace

void PrepareDialog(QWidget* window, const AppContext& context)
{
    ApplyUserFonts(window, context);
    // The window manager writes the title in its own font: a window is designed wide enough for it
    // with the title bar's buttons, so that the title is not cut, and grows from there.
    if (!window->property(DesignSizeProperty).isValid()) {
        QFont titleFont = QApplication::font();
        titleFont.setBold(true);
        const int titleWidth = QFontMetrics(titleFont).horizontalAdvance(window->windowTitle()) + TitleBarRoom;
        window->resize(std::max(window->width(), titleWidth), window->height());
    }
    const QRect area = AvailableArea(window);
    double factor = std::round(context.ScaleFactor * 100.0) / 100.0;
    ScaleWindow(window, factor);
    // A screen size larger than the screen itself would leave controls off it: the window is then
    // scaled down, text included, until its layout fits the free area. Fonts do not shrink quite in
    // proportion, so this takes a few rounds at most.
    for (int round = 0; round < 6; ++round) {
        const QSize least = leastOuterSize(window);
        if (least.width() <= area.width() && least.height() <= area.height())
            break;
        const double shrink = std::min(double(area.width()) / least.width(), double(area.height()) / least.height());
        const double smaller = std::floor(factor * std::min(shrink, 0.99) * 100.0) / 100.0;
        if (smaller < 0.5)
            break;
        factor = smaller;
        ScaleWindow(window, factor);
    }
    FitOnScreen(window, area);
}

void PrepareRememberedWindow(QWidget* window, const AppContext& context, QRect remembered)
{
    ApplyUserFonts(window, context);
    const double factor = std::round(context.ScaleFactor * 100.0) / 100.0;
    ScaleWindow(window, factor);
    RestoreOnScreen(window, QRect(remembered.topLeft(), remembered.size() * factor));
}

QSize RememberedSize(const QWidget* window)
{
    return window->size() / WindowScale(window);
}

void RestoreOnScreen(QWidget* window, QRect geometry)
{
    const QRect area = AvailableArea(window);
    const QSize decoration = decorationOf(window);
    const QSize size = geometry.size().boundedTo(area.size() - decoration);
    const QSize outer = size + decoration;
    window->resize(size);
    window->move(std::clamp(geometry.left(), area.left(), area.right() + 1 - outer.width()),
                 std::clamp(geometry.top(), area.top(), area.bottom() + 1 - outer.height()));
}

QHBoxLayout* OkCancelRow(QDialog* dialog)
{
    auto* ok = new QPushButton(QStringLiteral("&Ok"), dialog);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), dialog);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    return row;
}

QPushButton* MakeDialogButton(const char* caption, const char* name, QWidget* parent, bool autoDefault)
{
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(autoDefault);
    return button;
}
