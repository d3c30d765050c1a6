#include "build/Generator.h"

#include <QTime>

std::uint32_t TimeOfDaySeed()
{
    const QTime now = QTime::currentTime();
    return std::uint32_t(((now.hour() * 60 + now.minute()) * 60 + now.second()) * 1000 + now.msec());
}
