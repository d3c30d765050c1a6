#include "pages/ui/FontChooser.h"

#include "store/WindowsColor.h"

#include <QColorDialog>
#include <QDialog>
#include <QFontDialog>
#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

void paintSample(QFrame* sample, std::uint32_t color)
{
    QPalette palette = sample->palette();
    palette.setColor(QPalette::Window, ColorFromWindows(color));
    sample->setPalette(palette);
}

} // namespace

std::optional<TCanvasFont> ChooseCanvasFont(QWidget* parent, const TCanvasFont& initial, const QString& title)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(title);

    // The font dialog is embedded as a plain widget so that the colour can sit beside it.
    auto* fonts = new QFontDialog(&dialog);
    fonts->setWindowFlags(Qt::Widget);
    fonts->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    QFont font = initial.toQFont();
    font.setPointSize(std::max(1, initial.Size));
    fonts->setCurrentFont(font);
    // A face that is not installed shows as its substitute; unless another face is picked, the
    // layout keeps the face it names.
    const QString shownFamily = fonts->currentFont().family();

    std::uint32_t color = initial.Color;
    auto* sample = new QFrame(&dialog);
    sample->setFrameShape(QFrame::Box);
    sample->setAutoFillBackground(true);
    sample->setFixedSize(40, 20);
    paintSample(sample, color);
    auto* colorButton = new QPushButton(QStringLiteral("C&olor..."), &dialog);
    QObject::connect(colorButton, &QPushButton::clicked, &dialog, [&] {
        const QColor chosen = QColorDialog::getColor(ColorFromWindows(color), &dialog);
        if (chosen.isValid()) {
            color = WindowsFromColor(chosen);
            paintSample(sample, color);
        }
    });

    auto* ok = new QPushButton(QStringLiteral("&Ok"), &dialog);
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), &dialog);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(colorButton);
    buttons->addWidget(sample);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(fonts, 1);
    layout->addLayout(buttons);

    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QFont chosen = fonts->currentFont();
    TCanvasFont result = initial;
    if (chosen.family() != shownFamily)
        result.Name = chosen.family();
    if (chosen.pointSize() > 0)
        result.Size = chosen.pointSize();
    result.Color = color;
    result.Bold = chosen.bold();
    result.Italic = chosen.italic();
    result.Underline = chosen.underline();
    result.StrikeOut = chosen.strikeOut();
    return result;
}
