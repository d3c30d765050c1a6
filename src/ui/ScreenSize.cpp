#include "ui/ScreenSize.h"

#include <algorithm>

namespace ScreenSize {

double FactorOf(int size)
{
    switch (size) {
    case 640: return 1.0;
    case 800: return 1.25;
    case 1024: return 1.6;
    case 1280: return 2.0;
    default: return 0.0;
    }
}

int HeightOf(int size)
{
    switch (size) {
    case 640: return 480;
    case 800: return 600;
    case 1024: return 768;
    case 1280: return 1024;
    default: return 0;
    }
}

bool Supports(QSize screen, int size)
{
    return HeightOf(size) > 0 && screen.width() >= size && screen.height() >= HeightOf(size);
}

int AtStart(int windowSize, QSize screen)
{
    if (windowSize == 640 || !Supports(screen, windowSize))
        return 640;
    return windowSize;
}

QPoint MainWindowPosition(QSize screen, QSize window)
{
    const int left = (screen.width() - window.width()) / 2;
    const int top = std::max(0, (screen.height() - window.height()) / 2 - 10);
    return {left, top};
}

} // namespace ScreenSize
