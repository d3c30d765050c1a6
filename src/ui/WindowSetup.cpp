#include "ui/WindowSetup.h"

#include "ui/AppContext.h"
#include "store/WindowsColor.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScreen>
#include <QTableWidget>
#include <QTextEdit>
#include <cmath>

namespace {

QFont fontOf(const FontSetting& setting, const QFont& base)
{
    QFont font = base;
    font.setFamily(setting.Name);
    font.setBold(setting.Bold);
    font.setItalic(setting.Italic);
    return font;
}

void setFontAndColor(QWidget* widget, const FontSetting& setting, bool withColor)
{
    widget->setFont(fontOf(setting, widget->font()));
    if (withColor) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::WindowText, ColorFromWindows(std::uint32_t(setting.Color)));
        palette.setColor(QPalette::Text, ColorFromWindows(std::uint32_t(setting.Color)));
        widget->setPalette(palette);
    }
}

} // namespace

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

void PrepareDialog(QWidget* window, const AppContext& context)
{
    ApplyUserFonts(window, context);
    const double factor = std::round(context.ScaleFactor * 100.0) / 100.0;
    if (factor != 1.0)
        window->resize(int(window->width() * factor), int(window->height() * factor));
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        window->move(area.x() + (area.width() - window->width()) / 2, area.y() + (area.height() - window->height()) / 2);
    }
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
