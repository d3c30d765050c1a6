// quorvex-cli suggest: theme words with clues, or clues for a word file, drafted from WordNet.
#include "cli/CliCommands.h"
#include "cli/CliOutput.h"
#include "cli/OutputPath.h"

#include "store/Ansi.h"
#include "store/Directories.h"
#include "store/FileReplacer.h"
#include "store/TextInput.h"
#include "store/Limits.h"
#include "store/Settings.h"
#include "words/ClueDrafter.h"
#include "words/Lexicon.h"
#include "words/SpellLanguages.h"
#include "words/ThemeWords.h"
#include "words/WordListText.h"


namespace {

/** Exit status when the command cannot run (no database, not English, bad arguments). */
constexpr int CannotRun = 2;
/** Words a theme gives unless --count says otherwise. */
constexpr int DefaultCount = 25;
/** Shortest word a theme offers unless --min-length says otherwise (the engine's shortest). */
constexpr int ShortestWord = 3;

const char SuggestUsage[] =
    "usage: quorvex-cli suggest --theme TOPIC [--sense N] [--count N] [--min-length L] [--max-length L] [--rarer] --out WORDS.txt\n"
    "       quorvex-cli suggest --clues WORDS.txt [--sep C] --out WORDS2.txt";

/** One line of the output file: "word<sep> clue", or the word alone without a clue. */
QByteArray pairLine(const QByteArray& word, const QByteArray& clue, char separator)
{
    return clue.isEmpty() ? word : word + separator + ' ' + clue;
}

int writeLines(const QString& out, const QList<QByteArray>& lines)
{
    const IoResult result = ReplaceFile(out, WordListText::FileBytes(lines));
    if (!result)
        return CliOutput::failOn(result.describe(QStringLiteral("Unable to create word file.")), out);
    return 0;
}

int runTheme(const CliArguments& args, const LexicalSource& source, const QString& out, bool classroom)
{
    QString error;
    const auto count = args.has(QStringLiteral("count")) ? args.number(QStringLiteral("count"), 1, Limits::WordSlots, error)
                                                         : std::optional<long long>(DefaultCount);
    const auto shortest = args.has(QStringLiteral("min-length"))
        ? args.number(QStringLiteral("min-length"), 1, Limits::WordLength, error) : std::optional<long long>(ShortestWord);
    const auto longest = args.has(QStringLiteral("max-length"))
        ? args.number(QStringLiteral("max-length"), 1, Limits::WordLength, error) : std::optional<long long>(Limits::WordLength);
    if (!count || !shortest || !longest)
        return CliOutput::fail(error, CannotRun);

    ThemeRequest request;
    request.Topic = args.value(QStringLiteral("theme")).trimmed();
    const QList<LexicalSense> senses = source.TopicSenses(request.Topic);
    if (senses.isEmpty())
        return CliOutput::fail(QStringLiteral("\"%1\" is not in the WordNet database as a noun").arg(request.Topic), 1);
    if (args.has(QStringLiteral("sense"))) {
        const auto sense = args.number(QStringLiteral("sense"), 1, senses.size(), error);
        if (!sense)
            return CliOutput::fail(error, CannotRun);
        request.TopicSense = senses[*sense - 1];
    } else {
        request.TopicSense = ThemeWords::DefaultSense(source, senses);
        // The other meanings, for a second run with --sense.
        for (qsizetype i = 0; senses.size() > 1 && i < senses.size(); ++i)
            CliOutput::warning(QStringLiteral("%1 %2. %3").arg(senses[i].Id == request.TopicSense.Id ? QLatin1Char('*') : QLatin1Char(' '))
                                   .arg(i + 1).arg(senses[i].Definition));
    }
    request.Count = int(*count);
    request.MinLength = int(*shortest);
    request.MaxLength = int(*longest);
    request.Classroom = classroom;
    request.Rarer = args.has(QStringLiteral("rarer"));
    const ThemeWords theme = ThemeWords::Find(source, request);
    if (theme.Words.isEmpty())
        return CliOutput::fail(QStringLiteral("no theme words found for \"%1\"").arg(request.Topic), 1);

    QList<QByteArray> lines;
    for (const ThemeWord& word : theme.Words)
        lines.append(pairLine(Ansi::fromUnicode(word.Word.toUpper()), Ansi::fromUnicode(word.Clues.first()), ':'));
    if (const int status = writeLines(out, lines))
        return status;
    CliOutput::warning(QStringLiteral("%1 words written of %2 found for \"%3\" (%4)")
                           .arg(theme.Words.size()).arg(theme.Found).arg(request.Topic, request.TopicSense.Definition));
    if (!theme.Related.isEmpty())
        CliOutput::warning(QStringLiteral("related topics: ") + theme.Related.join(QStringLiteral(", ")));
    return 0;
}

int runClues(const CliArguments& args, const LexicalSource& source, const QString& out)
{
    const QString path = args.value(QStringLiteral("clues"));
    char separator = ':';
    if (args.has(QStringLiteral("sep"))) {
        const QByteArray sep = Ansi::fromUnicode(args.value(QStringLiteral("sep")));
        if (sep.size() != 1 || sep == " ")
            return CliOutput::fail(QStringLiteral("--sep takes one character other than a space"), CannotRun);
        separator = sep.at(0);
    }
    // A regular file of a word list's size only: a FIFO or /dev/zero is refused at once.
    QByteArray bytes;
    if (const IoResult read = TextInput::Read(path, bytes); !read)
        return CliOutput::fail(read.status == IoResult::Refused ? read.systemError
                                                                : QStringLiteral("cannot open word file %1: %2").arg(path, read.systemError));
    const WordListText::WordFile words = WordListText::ReadWordFile(bytes, WordListText::Unmappable::Replace);
    for (const WordListText::LineProblem& problem : words.problems)
        CliOutput::warning(QStringLiteral("warning: word file ") + WordListText::ProblemText(problem));

    // Every word of the file tells the meaning its list is about.
    QList<WordListText::WordClue> pairs;
    QStringList answers;
    for (const QByteArray& item : words.items) {
        pairs.append(WordListText::SplitPair(item, separator));
        answers.append(Ansi::toUnicode(pairs.last().word));
    }
    const ClueDrafter::ListContext context = ClueDrafter::ListContext::Of(source, answers);
    QList<QByteArray> lines;
    for (qsizetype i = 0; i < pairs.size(); ++i) {
        WordListText::WordClue& pair = pairs[i];
        if (pair.clue.isEmpty() && !pair.word.isEmpty()) {
            const QStringList drafts = ClueDrafter::Draft(source, answers[i], 1, context);
            if (drafts.isEmpty())
                CliOutput::warning(QStringLiteral("warning: word file line %1: no clue found for \"%2\"")
                                       .arg(words.itemLines[i]).arg(CliOutput::ansi(pair.word)));
            else
                pair.clue = Ansi::fromUnicode(drafts.first());
        }
        lines.append(pairLine(pair.word, pair.clue, separator));
    }
    return writeLines(out, lines);
}

int RunSuggest(const CliArguments& args)
{
    const QString out = args.value(QStringLiteral("out"));
    if (args.has(QStringLiteral("theme")) == args.has(QStringLiteral("clues")) || out.isEmpty() || !args.positional.isEmpty())
        return CliOutput::fail(QLatin1String(SuggestUsage), CannotRun);
    QStringList inputs;
    if (args.has(QStringLiteral("clues")))
        inputs.append(args.value(QStringLiteral("clues")));
    if (const int status = OutputPath::check(out, inputs))
        return status;

    // The spelling language and the classroom choice of the settings in the working folder decide, as in the program.
    const Settings settings = LoadSettings(StartDirectory());
    const int language = Lexicon::LanguageOf(settings);
    const QString programDir = ProgramDirectory();
    if (const QString reason = Lexicon::Unavailable(programDir, language); !reason.isEmpty())
        return CliOutput::fail(reason, CannotRun);
    const std::unique_ptr<LexicalSource> source = Lexicon::Open(programDir, language);
    if (!source)
        return CliOutput::fail(QStringLiteral("cannot read the WordNet database"), CannotRun);
    return args.has(QStringLiteral("theme")) ? runTheme(args, *source, out, settings.ClassroomWords) : runClues(args, *source, out);
}

} // namespace

const CliCommand SuggestCommand{"suggest", RunSuggest, {
    {"theme"},
    {"sense"},
    {"count"},
    {"min-length"},
    {"max-length"},
    {"clues"},
    {"sep"},
    {"out"},
    {"rarer", CliOption::Switch},
}};
