#pragma once

#include <QByteArray>
#include <QByteArrayView>

/**
 * The name of a copy: a trailing "(n)" with n > 0 counts up by one, anything else gains " (2)";
 * the result is cut to maxLength. Used for puzzle titles (35), shape titles (50) and layout names (20).
 */
QByteArray MakeCopyTitle(QByteArrayView title, int maxLength);
