#include "pages/ui/PuzzleProperties.h"

#include "pages/PageDesign.h"
#include "pages/ui/ColorSample.h"
#include "ui/WindowSetup.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TPuzzleProperties::TPuzzleProperties(AppContext& context, const TPageObject& object, QWidget* parent)
    : TObjectDialog(context, object, QStringLiteral("Properties for ") + nameOf(object), parent)
{
    setObjectName(QStringLiteral("PuzzleProperties"));
    m_skeleton = new QCheckBox(QStringLiteral("Skeleton Puzzle"), this);
    m_skeleton->setObjectName(QStringLiteral("Skeleton"));
    m_skeleton->setChecked(object.Transparent);
    const QString change = QStringLiteral("C&hange...");
    m_fill = new TColorSample(QStringLiteral("Puzzle Fill Color"), change, object.FillColor, this);
    m_fill->changeButton()->setObjectName(QStringLiteral("ChangeFill"));
    m_block = new TColorSample(QStringLiteral("Puzzle Block Color"), change, object.BlockColor, this);
    m_line = new TColorSample(QStringLiteral("Puzzle Line Color"), change, object.LineColor, this);
    m_lineWidth = new QLineEdit(QString::number(object.LineWidth), this);
    m_lineWidth->setObjectName(QStringLiteral("LineWidthBox"));
    m_lineWidth->setMaxLength(1);

    auto* form = new QFormLayout;
    form->addRow(m_skeleton);
    form->addRow(m_fill);
    form->addRow(m_block);
    form->addRow(m_line);
    form->addRow(QStringLiteral("Puzzle Line Width"), m_lineWidth);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(OkCancelRow(this));
    connect(m_skeleton, &QCheckBox::toggled, this, [this](bool on) { m_fill->setChangeEnabled(!on); });
    m_fill->setChangeEnabled(!object.Transparent);
}

void TPuzzleProperties::accept()
{
    const int width = positiveNumber(m_lineWidth);
    if (width == 0)
        return refuse(DesignerMessages::InvalidWidth.Text, m_lineWidth);
    m_object.Transparent = m_skeleton->isChecked();
    m_object.FillColor = m_fill->color();
    m_object.BlockColor = m_block->color();
    m_object.LineColor = m_line->color();
    m_object.LineWidth = width;
    TObjectDialog::accept();
}
