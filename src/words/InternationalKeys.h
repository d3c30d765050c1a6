#pragma once
// The accented characters typed by F1..F12 in the word list editor.

#include <QString>

namespace InternationalKeys {

/** The first and last character code a key can be given (À..ÿ in Windows-1252). */
constexpr int FirstCode = 192;
constexpr int LastCode = 255;

/** The code a key's setting ("0225") names; a number outside 192..255, or none, gives 192. */
int CodeOf(const QString& setting);

/** The setting text of a code: "0" and the decimal code ("0241"). */
QString SettingOf(int code);

/** The character of a code 192..255. */
QChar CharacterOf(int code);

} // namespace InternationalKeys
