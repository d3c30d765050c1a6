#pragma once

#include <QString>

/**
 * The order of every list the program shows (categories, titles, shapes, page layouts, words):
 * case-insensitive by the user's locale, so that accented letters stand among their base letters
 * ("Économie" before "Zoo"). Under the bare C locale English collation stands in, because code
 * point order would put every accented letter after Z.
 */
namespace ListOrder {

/** Negative, zero or positive as a sorts before, with or after b. */
int Compare(const QString& a, const QString& b);

/** Whether a sorts before b; for std::stable_sort, so equal texts keep their order. */
inline bool Less(const QString& a, const QString& b)
{
    return Compare(a, b) < 0;
}

} // namespace ListOrder
