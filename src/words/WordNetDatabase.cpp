#include "words/WordNetDatabase.h"

#include "store/TextInput.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <algorithm>
#include <deque>

namespace {

constexpr std::array<const char*, 4> PartFiles{"noun", "verb", "adj", "adv"};
constexpr std::array<const char*, 4> PartNames{"noun", "verb", "adjective", "adverb"};
constexpr std::array<char, 4> PartLetters{'n', 'v', 'a', 'r'};
/** Levels below a meaning whose words may name its kinds in a clue ("Pippin or Granny Smith, e.g."). */
constexpr int KindLevels = 3;
/** Meanings looked at below a meaning for those kinds, and kinds kept. */
constexpr int KindSynsets = 200;
constexpr int KeptKinds = 12;
/** Meanings a theme walks at most below its topic (the largest trees of nouns hold tens of thousands). */
constexpr int ThemeSynsets = 40000;

/** The next space-separated field from `at`, which moves past it. */
QByteArrayView nextField(QByteArrayView line, qsizetype& at)
{
    while (at < line.size() && line[at] == ' ')
        ++at;
    const qsizetype start = at;
    while (at < line.size() && line[at] != ' ')
        ++at;
    return line.sliced(start, at - start);
}

long long numberOf(QByteArrayView field, int base = 10)
{
    bool ok = false;
    const long long value = QByteArray::fromRawData(field.data(), field.size()).toLongLong(&ok, base);
    return ok ? value : -1;
}

/** The line that starts at `start`, without its line end. */
QByteArrayView lineFrom(QByteArrayView bytes, qsizetype start)
{
    if (start < 0 || start >= bytes.size())
        return {};
    qsizetype end = bytes.indexOf('\n', start);
    if (end < 0)
        end = bytes.size();
    return bytes.sliced(start, end - start);
}

QByteArrayView firstField(QByteArrayView line)
{
    const qsizetype space = line.indexOf(' ');
    return space < 0 ? line : line.first(space);
}

/**
 * The start of the first line, at or after `first`, whose first field is not below `key` in byte
 * order: a binary search over a file of lines sorted by their first field.
 */
qsizetype lowerBound(QByteArrayView bytes, qsizetype first, QByteArrayView key)
{
    qsizetype low = first;
    qsizetype high = bytes.size();
    while (low < high) {
        const qsizetype middle = low + (high - low) / 2;
        qsizetype start = middle;
        while (start > low && bytes[start - 1] != '\n')
            --start;
        const QByteArrayView line = lineFrom(bytes, start);
        if (firstField(line).compare(key) < 0)
            low = std::min(bytes.size(), start + line.size() + 1);
        else
            high = start;
    }
    return low;
}

/** A word as the database spells it: lower case, underscores between the parts. */
QByteArray keyOf(const QString& word)
{
    QByteArray key = word.trimmed().toLower().toLatin1();
    key.replace(' ', '_');
    return key;
}

/** A word of a data line as shown: underscores become spaces, an adjective's "(p)"-style mark goes. */
QString shownWord(QByteArrayView lemma)
{
    const qsizetype mark = lemma.indexOf('(');
    if (mark > 0)
        lemma = lemma.first(mark);
    QString shown = QString::fromLatin1(lemma);
    shown.replace(QLatin1Char('_'), QLatin1Char(' '));
    return shown;
}

bool sameLemma(QByteArrayView lemma, QByteArrayView key)
{
    const qsizetype mark = lemma.indexOf('(');
    if (mark > 0)
        lemma = lemma.first(mark);
    return lemma.compare(key, Qt::CaseInsensitive) == 0;
}

/** The definition of a gloss: the text before its first quoted example, without a trailing "; ". */
QString definitionOf(QByteArrayView gloss)
{
    const qsizetype quote = gloss.indexOf('"');
    QString text = QString::fromLatin1(quote < 0 ? gloss : gloss.first(quote)).trimmed();
    while (text.endsWith(QLatin1Char(';')) || text.endsWith(QLatin1Char(',')))
        text = text.chopped(1).trimmed();
    return text;
}

/** The words of a definition, lower case, each plural also counted as its singular ("cherries", "cherry"). */
QStringList wordsOfText(const QString& text)
{
    QStringList words;
    QString word;
    const auto take = [&words, &word] {
        if (word.isEmpty())
            return;
        words.append(word);
        if (word.endsWith(QLatin1String("ies")))
            words.append(word.chopped(3) + QLatin1Char('y'));
        else if (word.endsWith(QLatin1String("es")))
            words << word.chopped(2) << word.chopped(1);
        else if (word.endsWith(QLatin1Char('s')))
            words.append(word.chopped(1));
        word.clear();
    };
    for (const QChar c : text) {
        if (c.isLetter())
            word.append(c.toLower());
        else
            take();
    }
    take();
    return words;
}

} // namespace

/** One database file mapped read-only, and where its first line after the licence header starts. */
struct WordNetDatabase::Mapped {
    QFile File;
    QByteArrayView Bytes;
    qsizetype FirstLine = 0;

    bool open(const QString& path)
    {
        File.setFileName(path);
        if (!File.open(QIODevice::ReadOnly) || File.size() == 0)
            return false;
        const uchar* bytes = File.map(0, File.size());
        if (!bytes)
            return false;
        Bytes = QByteArrayView(reinterpret_cast<const char*>(bytes), File.size());
        // The licence lines at the top start with two spaces.
        while (FirstLine < Bytes.size() && Bytes[FirstLine] == ' ') {
            const qsizetype end = Bytes.indexOf('\n', FirstLine);
            FirstLine = end < 0 ? Bytes.size() : end + 1;
        }
        return true;
    }

    QByteArrayView find(QByteArrayView key) const
    {
        const QByteArrayView line = lineFrom(Bytes, lowerBound(Bytes, FirstLine, key));
        return firstField(line) == key ? line : QByteArrayView();
    }
};

QStringList WordNetDatabase::SearchDirs(const QString& programDir)
{
    const QString named = qEnvironmentVariable(FolderVariable);
    if (qEnvironmentVariableIsSet(FolderVariable))
        return {named};
    return {QDir(programDir).filePath(QStringLiteral("wordnet")), QStringLiteral("/usr/share/wordnet")};
}

QString WordNetDatabase::Find(const QString& programDir)
{
    for (const QString& folder : SearchDirs(programDir)) {
        const QDir dir(folder);
        if (!folder.isEmpty() && dir.exists(QStringLiteral("index.noun")) && dir.exists(QStringLiteral("data.noun")))
            return folder;
    }
    return {};
}

WordNetDatabase::WordNetDatabase() = default;
WordNetDatabase::~WordNetDatabase() = default;

std::unique_ptr<WordNetDatabase> WordNetDatabase::Open(const QString& folder, bool british)
{
    std::unique_ptr<WordNetDatabase> database(new WordNetDatabase);
    const QDir dir(folder);
    for (int part = 0; part < PartCount; ++part) {
        database->m_index[part] = std::make_unique<Mapped>();
        database->m_data[part] = std::make_unique<Mapped>();
        const QString name = QLatin1String(PartFiles[part]);
        if (!database->m_index[part]->open(dir.filePath(QStringLiteral("index.") + name))
            || !database->m_data[part]->open(dir.filePath(QStringLiteral("data.") + name)))
            return nullptr;
        // The exception lists are small: "mice mouse" lines, read whole (a regular file of a list's size only).
        QByteArray bytes;
        if (!TextInput::Read(dir.filePath(name + QStringLiteral(".exc")), bytes))
            continue;
        for (const QByteArray& line : bytes.split('\n')) {
            qsizetype at = 0;
            const QByteArray form = nextField(line, at).toByteArray();
            for (QByteArrayView base = nextField(line, at); !base.isEmpty(); base = nextField(line, at)) {
                database->m_bases[part][form].append(base.toByteArray());
                database->m_irregular[base.toByteArray()].append(form);
            }
        }
    }
    // Without usage counts meanings keep the database's order.
    database->m_counts = std::make_unique<Mapped>();
    if (!database->m_counts->open(dir.filePath(QStringLiteral("cntlist.rev"))))
        database->m_counts.reset();
    database->m_familiarity = WordFamiliarity::Load(british);
    database->findUnfit();
    return database;
}

void WordNetDatabase::findUnfit()
{
    // Every meaning of the usage marks; the first meaning of each unfit category.
    for (const char* usage : {"disparagement", "ethnic_slur", "obscenity"})
        for (const qint64 offset : senseOffsets(Noun, usage, nullptr))
            m_offensiveUsage.insert(offset);
    for (const char* kind : {"blood_sport", "weapon", "drug_of_abuse", "narcotic"})
        if (const QList<qint64> offsets = senseOffsets(Noun, kind, nullptr); !offsets.isEmpty())
            m_unfitKinds.insert(offsets.first());
}

int WordNetDatabase::familiarityIn(qint64 offset, const Word& word, int usage) const
{
    // A word known in another meaning ("cardigan" the jacket, not the corgi) is less familiar in
    // this one when this meaning was never counted; a phrase never counted comes after its words.
    const QString shown = shownWord(word.Lemma);
    int level = m_familiarity.Of(shown);
    if (level == WordFamiliarity::Unknown)
        return level;
    const QList<qint64> offsets = senseOffsets(Noun, keyOf(shown), nullptr);
    const bool name = !shown.isEmpty() && shown.front().isUpper(); // MERCURY the planet is known as a name
    if (!name && usage == 0 && !offsets.isEmpty() && offsets.first() != offset)
        ++level;
    if (shown.contains(QLatin1Char(' ')) && usage == 0)
        level += 1;
    // A quality named by -ness (STORMINESS, STILLNESS) is a state of the topic, not one of its things.
    if (shown.endsWith(QLatin1String("ness")))
        level += 1;
    return std::min<int>(level, WordFamiliarity::Absent);
}

bool WordNetDatabase::unfitForClass(qint64 offset, const Synset& synset) const
{
    if (m_unfitKinds.contains(offset))
        return true;
    return std::any_of(synset.Pointers.cbegin(), synset.Pointers.cend(), [this](const Pointer& pointer) {
        return pointer.Symbol == ";u" && pointer.Target == Noun && m_offensiveUsage.contains(pointer.Offset);
    });
}

WordNetDatabase::Synset WordNetDatabase::readSynset(Part part, qint64 offset) const
{
    // synset_offset lex_filenum ss_type w_cnt word lex_id [...] p_cnt [ptr...] [frames...] | gloss
    Synset synset;
    const QByteArrayView line = lineFrom(m_data[part]->Bytes, offset);
    qsizetype at = 0;
    if (numberOf(nextField(line, at)) != offset)
        return synset;
    synset.LexFile = int(numberOf(nextField(line, at)));
    const QByteArrayView type = nextField(line, at);
    synset.Type = type.isEmpty() ? 'n' : type[0];
    const long long words = numberOf(nextField(line, at), 16);
    for (long long w = 0; w < words && at < line.size(); ++w) {
        const QByteArrayView lemma = nextField(line, at);
        synset.Words.append({lemma, int(numberOf(nextField(line, at), 16))});
    }
    const long long pointers = numberOf(nextField(line, at));
    for (long long p = 0; p < pointers && at < line.size(); ++p) {
        Pointer pointer;
        pointer.Symbol = nextField(line, at);
        pointer.Offset = numberOf(nextField(line, at));
        const QByteArrayView target = nextField(line, at);
        nextField(line, at); // source/target word numbers
        const char letter = target.isEmpty() ? 'n' : target[0];
        const auto found = std::find(PartLetters.begin(), PartLetters.end(), letter == 's' ? 'a' : letter);
        pointer.Target = Part(found == PartLetters.end() ? 0 : found - PartLetters.begin());
        synset.Pointers.append(pointer);
    }
    const qsizetype bar = line.indexOf('|', at);
    if (bar >= 0)
        synset.Gloss = line.sliced(bar + 1).trimmed();
    return synset;
}

QByteArrayView WordNetDatabase::indexLine(Part part, const QByteArray& key) const
{
    return key.isEmpty() ? QByteArrayView() : m_index[part]->find(key);
}

QList<QByteArray> WordNetDatabase::baseForms(Part part, const QByteArray& key) const
{
    // The word itself, its irregular bases, then the regular endings taken off (WordNet's "morphy").
    static const std::array<std::vector<std::pair<const char*, const char*>>, PartCount> endings{{
        {{"s", ""}, {"ses", "s"}, {"xes", "x"}, {"zes", "z"}, {"ches", "ch"}, {"shes", "sh"}, {"men", "man"}, {"ies", "y"}},
        {{"s", ""}, {"ies", "y"}, {"es", "e"}, {"es", ""}, {"ed", "e"}, {"ed", ""}, {"ing", "e"}, {"ing", ""}},
        {{"er", ""}, {"est", ""}, {"er", "e"}, {"est", "e"}},
        {},
    }};
    QList<QByteArray> forms{key};
    forms += m_bases[part].value(key);
    for (const auto& [ending, replacement] : endings[part])
        if (key.endsWith(ending) && key.size() > qsizetype(qstrlen(ending)))
            forms.append(key.chopped(qstrlen(ending)) + replacement);
    return forms;
}

QList<qint64> WordNetDatabase::senseOffsets(Part part, const QByteArray& key, QByteArray* found) const
{
    // lemma pos synset_cnt p_cnt [ptr_symbol...] sense_cnt tagsense_cnt synset_offset [...]
    for (const QByteArray& form : baseForms(part, key)) {
        const QByteArrayView line = indexLine(part, form);
        if (line.isEmpty())
            continue;
        qsizetype at = 0;
        nextField(line, at);
        nextField(line, at);
        const long long synsets = numberOf(nextField(line, at));
        const long long pointers = numberOf(nextField(line, at));
        for (long long p = 0; p < pointers; ++p)
            nextField(line, at);
        nextField(line, at);
        nextField(line, at);
        QList<qint64> offsets;
        for (long long s = 0; s < synsets && at < line.size(); ++s)
            offsets.append(numberOf(nextField(line, at)));
        if (found)
            *found = form;
        return offsets;
    }
    return {};
}

int WordNetDatabase::usageCount(const Synset& synset, const Word& word) const
{
    // The sense key "lemma%type:lexfile:lexid:head:headid"; a satellite adjective names its head.
    if (!m_counts)
        return 0;
    const qsizetype mark = word.Lemma.indexOf('(');
    QByteArray key = (mark > 0 ? word.Lemma.first(mark) : word.Lemma).toByteArray().toLower();
    const int type = synset.Type == 'n' ? 1 : synset.Type == 'v' ? 2 : synset.Type == 'a' ? 3 : synset.Type == 'r' ? 4 : 5;
    key += '%' + QByteArray::number(type) + ':' + QByteArray::number(synset.LexFile).rightJustified(2, '0') + ':'
        + QByteArray::number(word.LexId).rightJustified(2, '0') + ':';
    if (type == 5) {
        for (const Pointer& pointer : synset.Pointers) {
            if (pointer.Symbol != "&")
                continue;
            const Synset head = readSynset(Adjective, pointer.Offset);
            if (head.valid())
                key += head.Words.first().Lemma.toByteArray().toLower() + ':'
                    + QByteArray::number(head.Words.first().LexId).rightJustified(2, '0');
            break;
        }
    } else {
        key += ':';
    }
    // sense_key sense_number tag_cnt
    const QByteArrayView line = m_counts->find(key);
    qsizetype at = 0;
    nextField(line, at);
    nextField(line, at);
    return std::max(0, int(numberOf(nextField(line, at))));
}

QStringList WordNetDatabase::kindsOf(const Synset& synset) const
{
    struct Kind {
        QString word;
        int count;
        int level;
        int order;
    };
    QList<Kind> kinds;
    QSet<qint64> seen;
    std::deque<std::pair<qint64, int>> queue;
    const auto enqueue = [&](const Synset& from, int level) {
        for (const Pointer& pointer : from.Pointers)
            if ((pointer.Symbol == "~" || pointer.Symbol == "~i") && !seen.contains(pointer.Offset)) {
                seen.insert(pointer.Offset);
                queue.emplace_back(pointer.Offset, level);
            }
    };
    enqueue(synset, 1);
    while (!queue.empty() && seen.size() <= KindSynsets) {
        const auto [offset, level] = queue.front();
        queue.pop_front();
        const Synset kind = readSynset(Noun, offset);
        for (const Word& word : kind.Words)
            kinds.append({shownWord(word.Lemma), usageCount(kind, word), level, int(kinds.size())});
        if (level < KindLevels)
            enqueue(kind, level + 1);
    }
    std::stable_sort(kinds.begin(), kinds.end(), [](const Kind& a, const Kind& b) {
        return a.count != b.count ? a.count > b.count : a.level < b.level;
    });
    QStringList words;
    for (const Kind& kind : kinds)
        if (!words.contains(kind.word, Qt::CaseInsensitive) && words.size() < KeptKinds)
            words.append(kind.word);
    return words;
}

LexicalSense WordNetDatabase::senseOf(Part part, qint64 offset, const QByteArray& key) const
{
    LexicalSense sense;
    const Synset synset = readSynset(part, offset);
    if (!synset.valid())
        return sense;
    sense.Id = QLatin1Char(PartLetters[part]) + QString::number(offset);
    sense.PartOfSpeech = QLatin1String(PartNames[part]);
    sense.Definition = definitionOf(synset.Gloss);
    const Word* self = nullptr;
    for (const Word& word : synset.Words) {
        if (!self && sameLemma(word.Lemma, key))
            self = &word;
        else
            sense.Synonyms.append(shownWord(word.Lemma));
    }
    sense.UsageCount = self ? usageCount(synset, *self) : 0;
    sense.Lemma = self ? shownWord(self->Lemma) : shownWord(key);
    if (part == Noun)
        sense.Kinds = kindsOf(synset);
    for (const Pointer& pointer : synset.Pointers)
        if (pointer.Symbol == "@" || pointer.Symbol == "@i") {
            const Synset broader = readSynset(pointer.Target, pointer.Offset);
            if (broader.valid())
                sense.Broader = shownWord(broader.Words.first().Lemma);
            break;
        }
    return sense;
}

QList<LexicalSense> WordNetDatabase::Senses(const QString& word) const
{
    struct Ranked {
        LexicalSense sense;
        int number;
        int part;
        bool own; // a meaning of the word itself, not of a word it is a form of
    };
    QList<Ranked> ranked;
    const QByteArray key = keyOf(word);
    for (int part = 0; part < PartCount; ++part) {
        QByteArray form;
        const QList<qint64> offsets = senseOffsets(Part(part), key, &form);
        for (qsizetype i = 0; i < offsets.size(); ++i) {
            LexicalSense sense = senseOf(Part(part), offsets[i], form);
            if (!sense.Id.isEmpty())
                ranked.append({std::move(sense), int(i), part, form == key});
        }
    }
    // The word's own meanings before those of a word it is a form of (DOVE the bird before "dive"),
    // whose definitions fit another tense or number; then most counted first; among equal counts,
    // earlier senses of their part of speech, nouns first.
    std::stable_sort(ranked.begin(), ranked.end(), [](const Ranked& a, const Ranked& b) {
        if (a.own != b.own)
            return a.own;
        if (a.sense.UsageCount != b.sense.UsageCount)
            return a.sense.UsageCount > b.sense.UsageCount;
        return a.number != b.number ? a.number < b.number : a.part < b.part;
    });
    QList<LexicalSense> senses;
    for (Ranked& r : ranked)
        senses.append(std::move(r.sense));
    return senses;
}

QList<LexicalSense> WordNetDatabase::TopicSenses(const QString& topic) const
{
    QList<LexicalSense> senses;
    QByteArray form;
    for (const qint64 offset : senseOffsets(Noun, keyOf(topic), &form))
        if (LexicalSense sense = senseOf(Noun, offset, form); !sense.Id.isEmpty())
            senses.append(std::move(sense));
    return senses;
}

LexicalSense WordNetDatabase::Sense(const QString& senseId, const QString& word) const
{
    if (senseId.size() < 2)
        return {};
    const auto found = std::find(PartLetters.begin(), PartLetters.end(), senseId.front().toLatin1());
    bool ok = false;
    const qint64 offset = senseId.mid(1).toLongLong(&ok);
    if (found == PartLetters.end() || !ok)
        return {};
    return senseOf(Part(found - PartLetters.begin()), offset, keyOf(word));
}

QList<ThemeCandidate> WordNetDatabase::KindsAndMembers(const QString& senseId, bool classroom) const
{
    QList<ThemeCandidate> candidates;
    if (senseId.size() < 2 || senseId.front() != QLatin1Char('n'))
        return candidates;
    const qint64 start = senseId.mid(1).toLongLong();
    QHash<qint64, int> depth{{start, 0}};
    QHash<QString, qsizetype> byWord;
    QHash<QString, int> mentions;
    std::deque<qint64> queue{start};
    while (!queue.empty() && depth.size() <= ThemeSynsets) {
        const qint64 offset = queue.front();
        queue.pop_front();
        const Synset synset = readSynset(Noun, offset);
        const int level = depth.value(offset);
        if (offset != start) {
            // An unfit meaning is left out with everything below it.
            if (classroom && unfitForClass(offset, synset))
                continue;
            for (const QString& token : wordsOfText(definitionOf(synset.Gloss)))
                ++mentions[token];
            for (const Word& word : synset.Words) {
                const QString shown = shownWord(word.Lemma);
                const QString folded = shown.toLower();
                const int count = usageCount(synset, word);
                const QString id = QStringLiteral("n") + QString::number(offset);
                const auto known = byWord.constFind(folded);
                if (known == byWord.constEnd()) {
                    byWord.insert(folded, candidates.size());
                    candidates.append({shown, id, count, 0, familiarityIn(offset, word, count), level, int(synset.Pointers.size())});
                } else if (count > candidates[*known].UsageCount) {
                    candidates[*known].UsageCount = count;
                    candidates[*known].SenseId = id;
                    candidates[*known].Links = int(synset.Pointers.size());
                }
            }
        }
        // Kinds and instances only: "member of" and "part of" relations lead to other topics.
        for (const Pointer& pointer : synset.Pointers) {
            if ((pointer.Symbol == "~" || pointer.Symbol == "~i") && pointer.Target == Noun && !depth.contains(pointer.Offset)) {
                depth.insert(pointer.Offset, level + 1);
                queue.push_back(pointer.Offset);
            }
        }
    }
    for (ThemeCandidate& candidate : candidates)
        if (!candidate.Word.contains(QLatin1Char(' ')))
            candidate.Mentions = mentions.value(candidate.Word.toLower());
    // Without the word lists every word counts as known; the database's counts rank them.
    const auto level = [](const ThemeCandidate& c) { return c.Familiarity == WordFamiliarity::Unknown ? int(WordFamiliarity::Known) : c.Familiarity; };
    const auto weight = [](const ThemeCandidate& c) { return 2 * c.UsageCount + c.Mentions + c.Links; };
    const auto phrase = [](const ThemeCandidate& c) { return c.Word.contains(QLatin1Char(' ')); };
    std::stable_sort(candidates.begin(), candidates.end(), [&](const ThemeCandidate& a, const ThemeCandidate& b) {
        if (level(a) != level(b))
            return level(a) < level(b);
        if (phrase(a) != phrase(b))
            return phrase(b);
        if (weight(a) != weight(b))
            return weight(a) > weight(b);
        return a.Depth < b.Depth;
    });
    return candidates;
}

QStringList WordNetDatabase::RelatedTopics(const QString& senseId) const
{
    QStringList related;
    if (senseId.size() < 2 || senseId.front() != QLatin1Char('n'))
        return related;
    const Synset topic = readSynset(Noun, senseId.mid(1).toLongLong());
    const auto offer = [&](const Synset& synset) {
        const QString word = synset.valid() ? shownWord(synset.Words.first().Lemma) : QString();
        const int known = m_familiarity.Of(word);
        if (!word.isEmpty() && known <= WordFamiliarity::Known && !related.contains(word, Qt::CaseInsensitive))
            related.append(word);
    };
    for (const Pointer& pointer : topic.Pointers) {
        if (pointer.Symbol != "~" || pointer.Target != Noun)
            continue;
        const Synset kind = readSynset(Noun, pointer.Offset);
        const auto kinds = std::count_if(kind.Pointers.cbegin(), kind.Pointers.cend(),
                                         [](const Pointer& p) { return p.Symbol == "~" || p.Symbol == "~i"; });
        if (kinds >= 3)
            offer(kind);
    }
    for (const Pointer& pointer : topic.Pointers)
        if (pointer.Symbol == "@" && pointer.Target == Noun)
            offer(readSynset(Noun, pointer.Offset));
    return related;
}

int WordNetDatabase::Familiarity(const QString& word) const
{
    return m_familiarity.Of(word);
}

QStringList WordNetDatabase::SenseIds(const QString& word) const
{
    QStringList ids;
    const QByteArray key = keyOf(word);
    for (int part = 0; part < PartCount; ++part)
        for (const qint64 offset : senseOffsets(Part(part), key, nullptr))
            ids.append(QLatin1Char(PartLetters[part]) + QString::number(offset));
    return ids;
}

QHash<QString, int> WordNetDatabase::Ancestors(const QString& senseId, int levels) const
{
    QHash<QString, int> found;
    const auto part = std::find(PartLetters.begin(), PartLetters.end(), senseId.isEmpty() ? ' ' : senseId.front().toLatin1());
    if (part == PartLetters.end())
        return found;
    std::deque<std::tuple<Part, qint64, int>> queue{{Part(part - PartLetters.begin()), senseId.mid(1).toLongLong(), 0}};
    while (!queue.empty()) {
        const auto [at, offset, level] = queue.front();
        queue.pop_front();
        if (level >= levels)
            continue;
        for (const Pointer& pointer : readSynset(at, offset).Pointers) {
            const QString id = QLatin1Char(PartLetters[pointer.Target]) + QString::number(pointer.Offset);
            if ((pointer.Symbol == "@" || pointer.Symbol == "@i") && !found.contains(id)) {
                found.insert(id, level + 1);
                queue.emplace_back(pointer.Target, pointer.Offset, level + 1);
            }
        }
    }
    return found;
}

QStringList WordNetDatabase::IrregularForms(const QString& word) const
{
    QStringList forms;
    for (const QByteArray& form : m_irregular.value(keyOf(word)))
        forms.append(shownWord(form));
    return forms;
}
