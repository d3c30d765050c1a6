// The main window's printer and picture settings: printer set-up and the JPEG quality factor.
#include "app/MainWin.h"

#include "export/ui/JpegFactor.h"
#include "render/ui/PrinterDriver.h"

void TMainWin::PrinterSetup()
{
    ShowPrinterSetup(this);
}

void TMainWin::JpegFactor()
{
    TJpegFactor dialog(m_context, this);
    dialog.exec();
}
