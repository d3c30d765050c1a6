#include "pages/ui/BorderInfo.h"

#include "pages/PageDesign.h"
#include "pages/ui/ColorSample.h"
#include "ui/WindowSetup.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QIntValidator>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TBorderInfo::TBorderInfo(AppContext& context, const TPageObject& object, QWidget* parent)
    : TObjectDialog(context, object, QStringLiteral("Border Info for ") + nameOf(object), parent)
{
    setObjectName(QStringLiteral("BorderInfo"));
    m_useBorder = new QCheckBox(QStringLiteral("&Use Border"), this);
    m_useBorder->setObjectName(QStringLiteral("UseBorder"));
    m_useBorder->setChecked(object.UseBorder);
    m_width = new QLineEdit(QString::number(object.BorderWidth), this);
    m_width->setObjectName(QStringLiteral("WidthBox"));
    m_width->setMaxLength(1);
    m_color = new TColorSample(QStringLiteral("Border Color"), QStringLiteral("C&hange Color"), object.BorderColor, this);
    m_color->changeButton()->setObjectName(QStringLiteral("ChangeColor"));

    auto* form = new QFormLayout;
    form->addRow(m_useBorder);
    form->addRow(QStringLiteral("Width"), m_width);
    form->addRow(m_color);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(OkCancelRow(this));
    connect(m_useBorder, &QCheckBox::toggled, this, &TBorderInfo::EnableDisable);
    EnableDisable();
}

void TBorderInfo::EnableDisable()
{
    m_width->setEnabled(m_useBorder->isChecked());
    m_color->setChangeEnabled(m_useBorder->isChecked());
}

void TBorderInfo::accept()
{
    const int width = positiveNumber(m_width);
    if (width == 0)
        return refuse(DesignerMessages::InvalidWidth.Text, m_width);
    m_object.UseBorder = m_useBorder->isChecked();
    m_object.BorderWidth = std::int16_t(width);
    m_object.BorderColor = m_color->color();
    TObjectDialog::accept();
}
