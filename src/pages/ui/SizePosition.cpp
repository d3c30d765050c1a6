#include "pages/ui/SizePosition.h"

#include "pages/PageDesign.h"
#include "ui/MessageService.h"
#include "ui/WindowSetup.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

QLineEdit* valueBox(const char* name, double value, QWidget* parent)
{
    auto* box = new QLineEdit(QString::number(value, 'f', 3), parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

// The number in a box, or NaN when it holds none.
double valueOf(const QLineEdit* box)
{
    bool ok = false;
    const double value = box->text().trimmed().toDouble(&ok);
    return ok && std::isfinite(value) ? value : std::nan("");
}

// Left + width without overflowing.
std::int32_t sum(std::int32_t a, std::int32_t b)
{
    return std::int32_t(std::clamp<std::int64_t>(std::int64_t(a) + b, INT32_MIN, INT32_MAX));
}

} // namespace

TSizePosition::TSizePosition(AppContext& context, const TPageObject& object, int pixelsPerUnit, bool useInches,
                             QSize pageSize, QWidget* parent)
    : TObjectDialog(context, object, QStringLiteral("Size & Location of ") + nameOf(object), parent)
    , m_pixelsPerUnit(std::max(1, pixelsPerUnit))
    , m_pageSize(pageSize)
{
    setObjectName(QStringLiteral("SizePosition"));
    const TObjectBounds& b = object.Bounds;
    const double p = m_pixelsPerUnit;
    m_left = valueBox("LeftBox", b.Left / p, this);
    m_top = valueBox("TopBox", b.Top / p, this);
    m_width = valueBox("WidthBox", (b.Right - b.Left) / p, this);
    m_height = valueBox("HeightBox", (b.Bottom - b.Top) / p, this);

    auto* group = new QGroupBox(useInches ? QStringLiteral("Values In Inches") : QStringLiteral("Values In Centimeters"), this);
    auto* form = new QFormLayout(group);
    form->addRow(QStringLiteral("Left"), m_left);
    form->addRow(QStringLiteral("Top"), m_top);
    form->addRow(QStringLiteral("Width"), m_width);
    form->addRow(QStringLiteral("Height"), m_height);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(OkCancelRow(this));
}

void TSizePosition::accept()
{
    const double left = valueOf(m_left);
    const double top = valueOf(m_top);
    const double width = valueOf(m_width);
    const double height = valueOf(m_height);
    // A box without a number fails its check as NaN does every comparison.
    if (!(left >= 0))
        return refuse(DesignerMessages::InvalidLeft.Text, m_left);
    if (!(top >= 0))
        return refuse(DesignerMessages::InvalidTop.Text, m_top);
    if (!(width > 0))
        return refuse(DesignerMessages::InvalidWidth.Text, m_width);
    if (!(height > 0))
        return refuse(DesignerMessages::InvalidHeight.Text, m_height);
    TObjectBounds b;
    b.Left = PageDesign::PixelsFromUnits(left, m_pixelsPerUnit);
    b.Top = PageDesign::PixelsFromUnits(top, m_pixelsPerUnit);
    b.Right = sum(b.Left, PageDesign::PixelsFromUnits(width, m_pixelsPerUnit));
    b.Bottom = sum(b.Top, PageDesign::PixelsFromUnits(height, m_pixelsPerUnit));
    if (b.Left >= m_pageSize.width() || b.Top >= m_pageSize.height()) {
        if (MessageService::askYesNo(this, DesignerMessages::OffPage.text(), DesignerMessages::OffPage.caption()))
            return; // abort the changes: the dialog stays open with nothing applied
    }
    m_object.Bounds = PageDesign::Sanitised(b);
    TObjectDialog::accept();
}
