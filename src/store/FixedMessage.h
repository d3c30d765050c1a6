#pragma once

#include <QString>

/** One message box of the program with a fixed text and caption, both plain ASCII. */
struct TFixedMessage {
    const char* Text;
    const char* Caption;

    QString text() const { return QString::fromLatin1(Text); }
    QString caption() const { return QString::fromLatin1(Caption); }
};
