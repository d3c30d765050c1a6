#include "pages/ui/FillInfo.h"

#include "pages/ui/ColorSample.h"
#include "ui/WindowSetup.h"

#include <QCheckBox>
#include <QPushButton>
#include <QVBoxLayout>

TFillInfo::TFillInfo(AppContext& context, const TPageObject& object, QWidget* parent)
    : TObjectDialog(context, object, QStringLiteral("Fill Info for ") + nameOf(object), parent)
{
    setObjectName(QStringLiteral("FillInfo"));
    m_filled = new QCheckBox(QStringLiteral("&Fill In Shape"), this);
    m_filled->setObjectName(QStringLiteral("Filled"));
    m_filled->setChecked(object.Filled);
    m_color = new TColorSample(QStringLiteral("Fill Color"), QStringLiteral("C&hange Color"), object.FillColor, this);
    m_color->changeButton()->setObjectName(QStringLiteral("ChangeColor"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_filled);
    layout->addWidget(m_color);
    layout->addLayout(OkCancelRow(this));
    connect(m_filled, &QCheckBox::toggled, m_color, &TColorSample::setChangeEnabled);
    m_color->setChangeEnabled(object.Filled);
}

void TFillInfo::accept()
{
    m_object.Filled = m_filled->isChecked();
    m_object.FillColor = m_color->color();
    TObjectDialog::accept();
}
