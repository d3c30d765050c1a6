#include "render/ui/ReportPrinter.h"

#include <QPrinter>

QPrinter& ReportPrinter()
{
    // Made once and kept to the end, so that the set-up chosen carries over to every later run.
    static QPrinter* printer = [] {
        auto* p = new QPrinter(QPrinter::HighResolution);
        p->setColorMode(QPrinter::Color);
        return p;
    }();
    return *printer;
}
