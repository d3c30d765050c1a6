#include "render/ui/MultiCopies.h"

namespace {

TNumberDialog::Setup CopiesSetup()
{
    TNumberDialog::Setup setup;
    setup.ObjectName = QStringLiteral("MultiCopies");
    setup.Caption = QStringLiteral("Multi-Copies");
    setup.Label = QStringLiteral("Copies To Print");
    setup.FieldName = QStringLiteral("CopiesBox");
    setup.Digits = 3;
    setup.Preset = 1;
    setup.AcceptText = QStringLiteral("&Ok");
    setup.AcceptName = QStringLiteral("OkButton");
    setup.Minimum = 1;
    setup.Refusal = QStringLiteral("Invalid number of copies entered.");
    setup.DesignSize = QSize(240, 90);
    return setup;
}

} // namespace

TMultiCopies::TMultiCopies(AppContext& context, QWidget* parent)
    : TNumberDialog(context, CopiesSetup(), parent)
{
}
