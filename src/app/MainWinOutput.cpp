// The main window's printer and picture settings: printer set-up and the JPEG quality factor.
#include "app/MainWin.h"

#include "pages/ui/JpegFactor.h"
#include "pages/ui/PrinterDriver.h"

void TMainWin::PrinterSetup()
{
    ShowPrinterSetup(this);
}

void TMainWin::JpegFactor()
{
    TJpegFactor dialog(m_context, this);
    dialog.exec();
}
