#include "pages/ui/JpegFactor.h"

#include "ui/AppContext.h"
#include "ui/MessageService.h"
#include "ui/WindowSetup.h"
#include "pages/RasterExport.h"
#include "ui/NumberField.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

/** Digits of the factor field. */
constexpr int FactorDigits = 3;

} // namespace

TJpegFactor::TJpegFactor(AppContext& context, QWidget* parent)
    : QDialog(parent), m_context(context)
{
    setObjectName(QStringLiteral("JpegFactor"));
    setWindowTitle(QStringLiteral("JPEG Factor"));
    setModal(true);
    auto* label = new QLabel(QStringLiteral("JPEG Compression/Quality Factor (Range: 1 - 100)"), this);
    m_field = NumberField::Make(this, QStringLiteral("FactorBox"), FactorDigits, context.settings.JPegCompressionQuality);
    label->setBuddy(m_field);
    auto* explanation = new QLabel(
        QStringLiteral("When the Factor is high, the image will be sharper, but the file size will be larger.  "
                       "If the factor is lower, then the file size will be smaller, but the image will not be as sharp."),
        this);
    explanation->setWordWrap(true);
    auto* ok = NumberField::Button(this, QStringLiteral("&Ok"), QStringLiteral("OkButton"));
    ok->setDefault(true);
    auto* cancel = NumberField::Button(this, QStringLiteral("&Cancel"), QStringLiteral("CancelButton"));
    connect(ok, &QPushButton::clicked, this, &TJpegFactor::OkClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(m_field);
    layout->addLayout(row);
    layout->addWidget(explanation);
    layout->addLayout(NumberField::ButtonRow(ok, cancel));
    resize(380, 150);
}

void TJpegFactor::showEvent(QShowEvent* event)
{
    PrepareDialog(this, m_context);
    QDialog::showEvent(event);
}

void TJpegFactor::OkClick()
{
    const int factor = NumberField::Value(m_field);
    if (factor < RasterExport::MinQuality || factor > RasterExport::MaxQuality) {
        MessageService::error(this, QStringLiteral("Invalid factor entered.  Factor must be between 1 and 100"));
        m_field->setFocus();
        return;
    }
    m_context.settings.JPegCompressionQuality = factor;
    accept();
}
