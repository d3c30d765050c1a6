// The clue and theme assistant's speed: opening the database (with the familiarity word lists), a
// clue lookup alone and in a list, a theme of 50 words, and a teacher's theme lookup: the topic's
// meaning chosen by its familiar members and 20 words listed, over twelve everyday topics.
// With wordnet-dev present, the same reads through WordNet's own C library, for comparison.
#include "words/ClueDrafter.h"
#include "words/ThemeWords.h"
#include "words/WordNetDatabase.h"

#include <benchmark/benchmark.h>
#include <deque>
#include <set>

#ifdef QUORVEX_HAVE_LIBWORDNET
extern "C" {
#include <wn.h>
}
#endif

namespace {

const QString& folder()
{
    static const QString found = WordNetDatabase::Find(QString());
    return found;
}

const WordNetDatabase& database()
{
    static const std::unique_ptr<WordNetDatabase> opened = WordNetDatabase::Open(folder());
    return *opened;
}

void BM_OpenDatabase(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(WordNetDatabase::Open(folder()));
}
BENCHMARK(BM_OpenDatabase)->Unit(benchmark::kMillisecond);

/** Drafts for one word, cycling through words of different sizes of entry. */
void BM_ClueLookup(benchmark::State& state)
{
    const QStringList words{QStringLiteral("apple"), QStringLiteral("run"), QStringLiteral("bass"),
                            QStringLiteral("violin"), QStringLiteral("ice cream"), QStringLiteral("head")};
    qsizetype i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(ClueDrafter::Draft(database(), words[i++ % words.size()]));
}
BENCHMARK(BM_ClueLookup)->Unit(benchmark::kMillisecond);

/** A clue lookup for a word of a list of planets: the meaning the list shares is found first. */
void BM_ClueLookupInList(benchmark::State& state)
{
    const QStringList planets{QStringLiteral("MERCURY"), QStringLiteral("VENUS"), QStringLiteral("EARTH"), QStringLiteral("MARS"),
                              QStringLiteral("JUPITER"), QStringLiteral("SATURN"), QStringLiteral("URANUS"), QStringLiteral("NEPTUNE"),
                              QStringLiteral("PLUTO"), QStringLiteral("RAN"), QStringLiteral("GEESE"), QStringLiteral("TEAKETTLE")};
    const ClueDrafter::ListContext context = ClueDrafter::ListContext::Of(database(), planets);
    qsizetype i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(ClueDrafter::Draft(database(), planets[i++ % planets.size()], ClueDrafter::MostDrafts, context));
}
BENCHMARK(BM_ClueLookupInList)->Unit(benchmark::kMillisecond);

/** One theme lookup as Theme Words makes it: the default meaning, then 20 words with their clues. */
void BM_TeacherThemeLookup(benchmark::State& state)
{
    const QStringList topics{QStringLiteral("planet"), QStringLiteral("dog"), QStringLiteral("flower"), QStringLiteral("fish"),
                             QStringLiteral("weather"), QStringLiteral("kitchen utensil"), QStringLiteral("sport"),
                             QStringLiteral("body part"), QStringLiteral("tool"), QStringLiteral("insect"),
                             QStringLiteral("country"), QStringLiteral("dance")};
    qsizetype i = 0;
    for (auto _ : state) {
        ThemeRequest request;
        request.Topic = topics[i++ % topics.size()];
        request.TopicSense = ThemeWords::DefaultSense(database(), database().TopicSenses(request.Topic));
        request.Count = 20;
        benchmark::DoNotOptimize(ThemeWords::Find(database(), request));
    }
}
BENCHMARK(BM_TeacherThemeLookup)->Unit(benchmark::kMillisecond)->Iterations(24);

void BM_ThemeOf50Words(benchmark::State& state)
{
    const QStringList topics{QStringLiteral("fruit"), QStringLiteral("bird"), QStringLiteral("tree")};
    qsizetype i = 0;
    for (auto _ : state) {
        ThemeRequest request;
        request.Topic = topics[i++ % topics.size()];
        request.TopicSense = ThemeWords::DefaultSense(database(), database().TopicSenses(request.Topic));
        request.Count = 50;
        benchmark::DoNotOptimize(ThemeWords::Find(database(), request));
    }
}
BENCHMARK(BM_ThemeOf50Words)->Unit(benchmark::kMillisecond);

#ifdef QUORVEX_HAVE_LIBWORDNET

/** WordNet's library: every sense of a word in each part of speech, with its gloss (what a clue needs). */
void BM_LibWordNetClueLookup(benchmark::State& state)
{
    wninit();
    const char* words[] = {"apple", "run", "bass", "violin", "ice_cream", "head"};
    std::size_t i = 0;
    for (auto _ : state) {
        char word[32];
        qstrncpy(word, words[i++ % 6], sizeof word);
        for (int pos = NOUN; pos <= ADV; ++pos) {
            IndexPtr index = index_lookup(word, pos);
            if (!index)
                continue;
            for (int s = 0; s < index->off_cnt; ++s) {
                SynsetPtr synset = read_synset(pos, index->offset[s], word);
                benchmark::DoNotOptimize(synset->defn);
                benchmark::DoNotOptimize(GetTagcnt(index, s + 1));
                free_synset(synset);
            }
            free_index(index);
        }
    }
}
BENCHMARK(BM_LibWordNetClueLookup)->Unit(benchmark::kMillisecond);

/** WordNet's library: the kinds and instances below "fruit", every level, read synset by synset. */
void BM_LibWordNetThemeWalk(benchmark::State& state)
{
    wninit();
    for (auto _ : state) {
        char topic[] = "fruit";
        IndexPtr index = index_lookup(topic, NOUN);
        const long start = static_cast<long>(index->offset[0]);
        std::deque<long> queue{start};
        std::set<long> seen{start};
        free_index(index);
        while (!queue.empty()) {
            SynsetPtr synset = read_synset(NOUN, queue.front(), const_cast<char*>(""));
            queue.pop_front();
            for (int p = 0; p < synset->ptrcount; ++p)
                if ((synset->ptrtyp[p] == HYPOPTR || synset->ptrtyp[p] == INSTANCES) && seen.insert(synset->ptroff[p]).second)
                    queue.push_back(synset->ptroff[p]);
            free_synset(synset);
        }
        benchmark::DoNotOptimize(seen.size());
    }
}
BENCHMARK(BM_LibWordNetThemeWalk)->Unit(benchmark::kMillisecond);

/** The same walk through the database files read directly. */
void BM_ThemeWalk(benchmark::State& state)
{
    const QString topic = QStringLiteral("fruit");
    for (auto _ : state)
        benchmark::DoNotOptimize(database().KindsAndMembers(database().TopicSenses(topic).first().Id, true));
}
BENCHMARK(BM_ThemeWalk)->Unit(benchmark::kMillisecond);

#endif

} // namespace

BENCHMARK_MAIN();
