#include "store/ListOrder.h"

#include <QCollator>
#include <QLocale>

namespace ListOrder {

namespace {

QCollator MakeCollator()
{
    QLocale locale;
    if (locale.language() == QLocale::C)
        locale = QLocale(QLocale::English, QLocale::UnitedStates);
    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

} // namespace

int Compare(const QString& a, const QString& b)
{
    thread_local const QCollator collator = MakeCollator();
    return collator.compare(a, b);
}

} // namespace ListOrder
