#include "pages/ui/ObjectProperties.h"

#include "pages/PageDesign.h"
#include "ui/WindowSetup.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

TObjectProperties::TObjectProperties(AppContext& context, const TPageObject& object, QWidget* parent)
    : TObjectDialog(context, object, QStringLiteral("Properties for ") + nameOf(object), parent)
{
    setObjectName(QStringLiteral("ObjectProperties"));
    m_transparent = new QCheckBox(QStringLiteral("&Transparent Background"), this);
    m_transparent->setObjectName(QStringLiteral("Transparent"));
    m_transparent->setChecked(object.Transparent);
    m_makeFit = new QCheckBox(QStringLiteral("&Make It Fit (Auto-Shrink Font)"), this);
    m_makeFit->setObjectName(QStringLiteral("MakeFit"));
    m_makeFit->setChecked(object.MakeFit);
    auto* form = new QFormLayout;
    form->addRow(m_transparent);
    form->addRow(m_makeFit);
    if (PageDesign::HasColumns(object.Kind)) {
        m_columns = new QLineEdit(QString::number(object.Columns), this);
        m_columns->setObjectName(QStringLiteral("ColumnsBox"));
        m_columns->setMaxLength(1);
        form->addRow(QStringLiteral("Number of Columns"), m_columns);
    }
    if (object.Kind == ObjectKind::CombinedClues) {
        m_split = new QCheckBox(QStringLiteral("&Split Columns"), this);
        m_split->setObjectName(QStringLiteral("SplitColumns"));
        m_split->setChecked(object.SplitColumns);
        form->addRow(m_split);
        connect(m_split, &QCheckBox::clicked, this, &TObjectProperties::SplitColumnsClick);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(OkCancelRow(this));
}

void TObjectProperties::SplitColumnsClick(bool checked)
{
    if (!checked || !m_columns)
        return;
    bool ok = false;
    const int columns = m_columns->text().trimmed().toInt(&ok);
    m_columns->setText(QString::number(PageDesign::SplitColumnCount(ok ? columns : 0)));
}

void TObjectProperties::accept()
{
    if (m_columns) {
        const int columns = positiveNumber(m_columns);
        if (columns == 0)
            return refuse(DesignerMessages::InvalidColumns.Text, m_columns);
        m_object.Columns = std::int16_t(columns);
    }
    if (m_split)
        m_object.SplitColumns = m_split->isChecked();
    m_object.Transparent = m_transparent->isChecked();
    m_object.MakeFit = m_makeFit->isChecked();
    TObjectDialog::accept();
}
