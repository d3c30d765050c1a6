#pragma once
// Helpers for the tests that use the installed Hunspell dictionaries and MyThes thesauri.

#include "words/SpellLanguages.h"

#include <QFile>
#include <QString>
#include <gtest/gtest.h>

namespace SpellingTest {

/** The setup over the system dictionaries, with user lists in programDir. */
inline SpellingSetup SystemSetup(const QString& programDir)
{
    return SpellingSetup::Find(programDir);
}

/** Writes a plain word file. */
inline void WriteWords(const QString& path, const QByteArray& content)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

} // namespace SpellingTest

/** Skips the test when the language's dictionary is not installed. */
#define SKIP_WITHOUT_LANGUAGE(setup, code)                                                                    \
    if (!(setup).LanguageAvailable(code))                                                                     \
    GTEST_SKIP() << "no dictionary installed for " << Spelling::Language(code).Name

/** Skips the test when the thesaurus is not installed. */
#define SKIP_WITHOUT_THESAURUS(setup, code)                                                                   \
    if (!(setup).ThesaurusAvailable(code))                                                                    \
    GTEST_SKIP() << "no thesaurus installed for code " << (code)
