#include "pages/ui/ColorSample.h"

#include "store/WindowsColor.h"

#include <QColorDialog>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

TColorSample::TColorSample(const QString& label, const QString& buttonText, std::uint32_t color, QWidget* parent)
    : QWidget(parent)
{
    m_sample = new QFrame(this);
    m_sample->setObjectName(QStringLiteral("ColorSample"));
    m_sample->setFrameShape(QFrame::Box);
    m_sample->setAutoFillBackground(true);
    m_sample->setFixedSize(40, 20);
    m_button = new QPushButton(buttonText, this);
    m_button->setAutoDefault(false);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(new QLabel(label, this));
    row->addWidget(m_sample);
    row->addStretch();
    row->addWidget(m_button);
    setColor(color);
    connect(m_button, &QPushButton::clicked, this, [this] {
        const QColor chosen = QColorDialog::getColor(ColorFromWindows(m_color), this);
        if (chosen.isValid())
            setColor(WindowsFromColor(chosen));
    });
}

void TColorSample::setColor(std::uint32_t color)
{
    m_color = color & 0xFFFFFF;
    QPalette palette = m_sample->palette();
    palette.setColor(QPalette::Window, ColorFromWindows(m_color));
    m_sample->setPalette(palette);
}

void TColorSample::setChangeEnabled(bool enabled)
{
    m_button->setEnabled(enabled);
}
