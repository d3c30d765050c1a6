// quorvex-cli spell: the spell check of one puzzle's words and clues, without the dialogs.
#include "cli/CliCommands.h"
#include "cli/CliOutput.h"

#include "store/Ansi.h"
#include "store/Directories.h"
#include "store/Settings.h"
#include "words/SpellCheckWalk.h"
#include "words/SpellChecker.h"
#include "words/SpellLanguages.h"

#include <algorithm>

namespace {

/** Exit status for a command that could not run (as opposed to 1, a misspelling found). */
constexpr int CannotRun = 2;
/** Suggestions printed per string. */
constexpr int PrintedSuggestions = 5;
/** Time given to suggestions for the whole record. */
constexpr qint64 SuggestionMilliseconds = 5000;

} // namespace

int ReadLanguageArgument(const CliArguments& args, int& language, int failStatus)
{
    if (!args.has(QStringLiteral("language")))
        return 0;
    const QString name = args.value(QStringLiteral("language"));
    for (int code = Spelling::FirstLanguage; code <= Spelling::LastLanguage; ++code) {
        if (name.compare(QLatin1String(Spelling::Language(code).Name), Qt::CaseInsensitive) == 0) {
            language = code;
            return 0;
        }
    }
    return CliOutput::fail(QStringLiteral("unknown language %1 (american, british, spanish, italian, french, "
                                          "german, dutch or swedish)")
                               .arg(name),
                           failStatus);
}

namespace {

int RunSpell(const CliArguments& args)
{
    if (args.positional.size() != 1 || !args.has(QStringLiteral("record")))
        return CliOutput::fail(QStringLiteral("usage: quorvex-cli spell COLLECTION.QV3 --record N [--language NAME]"),
                               CannotRun);

    // The language and user lists the program would use at start-up, unless --language names one.
    Settings settings = LoadSettings(StartDirectory());
    SpellingSetup setup = SpellingSetup::Find(ProgramDirectory());
    ApplySpellingFallbacks(settings, setup);
    int language = setup.UserListLanguage;
    if (const int status = ReadLanguageArgument(args, language, CannotRun))
        return status;
    const QString name = QLatin1String(Spelling::Language(language).Name);
    if (!setup.LanguageAvailable(language))
        return CliOutput::fail(QStringLiteral("no %1 dictionary is installed").arg(name), CannotRun);

    TPuzzleRecord puzzle;
    if (ReadRecordArgument(args, puzzle) != 0)
        return CannotRun;
    const std::unique_ptr<SpellChecker> checker = SpellChecker::Open(setup, language);
    if (!checker)
        return CliOutput::fail(QStringLiteral("cannot read the %1 dictionary").arg(name), CannotRun);

    SpellCheckRows rows;
    const int count = std::clamp<int>(puzzle.WordCount, 0, Limits::WordSlots);
    for (int i = 0; i < count; ++i) {
        rows.Words.append(Ansi::toUnicode(puzzle.Words[std::size_t(i)].text()));
        rows.Clues.append(Ansi::toUnicode(puzzle.Clues[std::size_t(i)].text()));
    }
    // A damaged record can hold hundreds of garbage words, each costing Hunspell a while.
    checker->LimitSuggestionTime(SuggestionMilliseconds);
    const SpellCheckOutcome outcome = RunSpellCheck(*checker, rows, [&checker](const QString& text, const QStringList& suggestions) {
        const QString offered = checker->SuggestionTimeUsedUp() && suggestions.isEmpty()
            ? QStringLiteral("(no suggestions: the time for suggestions is used up)")
            : suggestions.isEmpty() ? QStringLiteral("(no suggestions)")
                                                      : suggestions.mid(0, PrintedSuggestions).join(QStringLiteral(", "));
        CliOutput::line(text + QStringLiteral(": ") + offered);
        return SpellDecision{};
    });
    return outcome.Misspelled ? 1 : 0;
}

} // namespace

const CliCommand SpellCommand{"spell", RunSpell, {
    {"record"},
    {"language"},
}};
