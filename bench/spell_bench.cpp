// Spell check of a 200-word list and thesaurus lookups, opening the dictionary each time (as every
// command did) against the sessions kept open for the run. Words come from the system word list
// (/usr/share/dict/words) with a fixed seed; the dictionaries are the installed ones.
#include "build/Generator.h"
#include "words/SpellCheckWalk.h"
#include "words/SpellChecker.h"
#include "words/SpellingSessions.h"
#include "words/Thesaurus.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr std::uint32_t ListSeed = 1997;
constexpr int ListSize = 200;
constexpr int American = 1;

/** 200 words of 3..12 plain lower-case letters, picked with a fixed seed. */
QStringList WordList()
{
    QStringList pool;
    QFile file(QStringLiteral("/usr/share/dict/words"));
    if (file.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : file.readAll().split('\n')) {
            const QByteArray word = line.trimmed();
            bool plain = word.size() >= 3 && word.size() <= 12;
            for (char c : word)
                plain = plain && c >= 'a' && c <= 'z';
            if (plain)
                pool.append(QString::fromLatin1(word));
        }
    }
    QStringList words;
    TRandomGenerator random(ListSeed);
    while (!pool.isEmpty() && words.size() < ListSize)
        words.append(pool[random.below(int(pool.size()))]);
    return words;
}

/** One spell check of the list as the word list editor runs it, every refusal ignored. */
int CheckList(SpellChecker& checker, const QStringList& words)
{
    SpellCheckRows rows;
    rows.Words = words;
    rows.Clues = QStringList(words.size(), QString());
    int refused = 0;
    RunSpellCheck(checker, rows, [&refused](const QString&, const QStringList&) {
        ++refused;
        return SpellDecision{};
    });
    return refused;
}

struct Fixture {
    QTemporaryDir programDir; // empty user lists
    SpellingSetup setup = SpellingSetup::Find(programDir.path());
    QStringList words = WordList();
};

void BM_SpellCheckOpeningEachTime(benchmark::State& state)
{
    Fixture f;
    if (!f.setup.LanguageAvailable(American) || f.words.isEmpty())
        return state.SkipWithError("no American dictionary or no word list");
    int refused = 0;
    for (auto _ : state)
        refused = CheckList(*SpellChecker::Open(f.setup, American), f.words);
    state.counters["refused"] = refused;
}

void BM_SpellCheckKeptOpen(benchmark::State& state)
{
    Fixture f;
    if (!f.setup.LanguageAvailable(American) || f.words.isEmpty())
        return state.SkipWithError("no American dictionary or no word list");
    SpellingSessions sessions;
    CheckList(*sessions.CheckerFor(f.setup, American), f.words); // the first check opens it
    int refused = 0;
    for (auto _ : state)
        refused = CheckList(*sessions.CheckerFor(f.setup, American), f.words);
    state.counters["refused"] = refused;
}

/** One lookup as the thesaurus window makes it: categories, their antonyms, the first one's synonyms. */
int LookUp(Thesaurus& thesaurus, const QString& word)
{
    const QStringList categories = thesaurus.Categories(word);
    qsizetype found = categories.size();
    for (const QString& category : categories)
        found += thesaurus.Antonyms(category).size();
    if (!categories.isEmpty())
        found += thesaurus.Synonyms(categories.first()).size();
    return int(found);
}

const QString LookedUp = QStringLiteral("happy");

void BM_ThesaurusOpeningEachTime(benchmark::State& state)
{
    Fixture f;
    if (!f.setup.ThesaurusAvailable(Spelling::AmericanThesaurus))
        return state.SkipWithError("no American thesaurus");
    for (auto _ : state)
        benchmark::DoNotOptimize(LookUp(*Thesaurus::Open(f.setup, Spelling::AmericanThesaurus), LookedUp));
}

void BM_ThesaurusKeptOpen(benchmark::State& state)
{
    Fixture f;
    if (!f.setup.ThesaurusAvailable(Spelling::AmericanThesaurus))
        return state.SkipWithError("no American thesaurus");
    SpellingSessions sessions;
    LookUp(*sessions.ThesaurusFor(f.setup, Spelling::AmericanThesaurus), LookedUp);
    for (auto _ : state)
        benchmark::DoNotOptimize(LookUp(*sessions.ThesaurusFor(f.setup, Spelling::AmericanThesaurus), LookedUp));
}

} // namespace

BENCHMARK(BM_SpellCheckOpeningEachTime)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SpellCheckKeptOpen)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ThesaurusOpeningEachTime)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ThesaurusKeptOpen)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
