#pragma once
// Which lexical source serves the clue and theme assistant for a spelling language.

#include "words/LexicalSource.h"

#include <QString>
#include <memory>

struct Settings;

namespace Lexicon {

/** The spelling language in force: the "Dictionary" setting, or the last choice when it is chosen at check time. */
int LanguageOf(const Settings& settings);

/** True for the English spelling languages (American, British), which WordNet serves. */
bool IsEnglish(int language);

/** Why the assistant cannot serve a language, or an empty string when it can (the database is found). */
QString Unavailable(const QString& programDir, int language);

/** Opens the lexical source of a language; nothing when Unavailable gives a reason or the files cannot be read. */
std::unique_ptr<LexicalSource> Open(const QString& programDir, int language);

} // namespace Lexicon
