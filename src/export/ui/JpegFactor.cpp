#include "export/ui/JpegFactor.h"

#include "export/RasterExport.h"
#include "ui/AppContext.h"

namespace {

TNumberDialog::Setup FactorSetup(const AppContext& context)
{
    TNumberDialog::Setup setup;
    setup.ObjectName = QStringLiteral("JpegFactor");
    setup.Caption = QStringLiteral("JPEG Factor");
    setup.Label = QStringLiteral("JPEG Compression/Quality Factor (Range: 1 - 100)");
    setup.FieldName = QStringLiteral("FactorBox");
    setup.Digits = 3;
    setup.Preset = context.settings.JPegCompressionQuality;
    setup.Explanation =
        QStringLiteral("When the Factor is high, the image will be sharper, but the file size will be larger.  "
                       "If the factor is lower, then the file size will be smaller, but the image will not be as sharp.");
    setup.AcceptText = QStringLiteral("&Ok");
    setup.AcceptName = QStringLiteral("OkButton");
    setup.Minimum = RasterExport::MinQuality;
    setup.Maximum = RasterExport::MaxQuality;
    setup.Refusal = QStringLiteral("Invalid factor entered.  Factor must be between 1 and 100");
    setup.DesignSize = QSize(380, 150);
    return setup;
}

} // namespace

TJpegFactor::TJpegFactor(AppContext& context, QWidget* parent)
    : TNumberDialog(context, FactorSetup(context), parent), m_context(context)
{
}

void TJpegFactor::accept()
{
    m_context.settings.JPegCompressionQuality = Value();
    TNumberDialog::accept();
}
