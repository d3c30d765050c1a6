#include "export/ui/BitmapWidth.h"

#include "export/RasterExport.h"
#include "ui/AppContext.h"

namespace {

TNumberDialog::Setup WidthSetup(const AppContext& context, TBitmapWidth::Mode mode)
{
    const bool jpeg = mode == TBitmapWidth::Mode::Jpeg;
    TNumberDialog::Setup setup;
    setup.ObjectName = QStringLiteral("BitmapWidth");
    setup.Caption = jpeg ? QStringLiteral("JPeg") : QStringLiteral("Bitmap");
    setup.Label = jpeg ? QStringLiteral("Width of JPeg") : QStringLiteral("Width of Bitmap");
    setup.FieldName = QStringLiteral("WidthBox");
    setup.Digits = 4;
    setup.Preset = context.settings.PixelWidth;
    setup.AcceptText = jpeg ? QStringLiteral("Create &JPeg") : QStringLiteral("Create &Bitmap");
    setup.AcceptName = QStringLiteral("CreateButton");
    setup.Minimum = RasterExport::MinWidth;
    setup.Refusal = QStringLiteral("Invalid width specified.  Please correct.");
    setup.DesignSize = QSize(260, 90);
    return setup;
}

} // namespace

TBitmapWidth::TBitmapWidth(AppContext& context, Mode mode, QWidget* parent)
    : TNumberDialog(context, WidthSetup(context, mode), parent)
{
}
