#include "cli/CliCommands.h"
#include "cli/CliOutput.h"
#include "cli/OutputPath.h"

#include "build/CreateChecks.h"
#include "build/Engine.h"
#include "build/Generator.h"
#include "build/SavedCandidate.h"
#include "build/Versions.h"
#include "pages/PageFile.h"
#include "shapes/ShapeExport.h"
#include "shapes/ShapeLibrary.h"
#include "shapes/ShapeMessages.h"
#include "store/Ansi.h"
#include "store/Collection.h"
#include "store/Directories.h"
#include "store/Settings.h"
#include "store/TextInput.h"
#include "store/WorkingPuzzle.h"
#include "words/WordListText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <memory>

namespace {

/**
 * Reads the word file into the editor's 200 rows; more than 200 lines is an error. Lines left out
 * or changed, and words and clues that the construction will cut, are reported on stderr.
 */
int readWordRows(const CliArguments& args, TCreateInput& input)
{
    const QString path = args.value(QStringLiteral("words"));
    QByteArray bytes;
    if (const IoResult read = TextInput::Read(path, bytes); !read) {
        if (read.status == IoResult::Refused)
            return CliOutput::fail(QStringLiteral("cannot read word file: ") + read.systemError);
        return CliOutput::fail(QStringLiteral("cannot open word file %1: %2").arg(path, read.systemError));
    }
    char separator = ':';
    if (args.has(QStringLiteral("sep"))) {
        const QByteArray sep = Ansi::fromUnicode(args.value(QStringLiteral("sep")));
        if (sep.size() != 1 || sep == " ")
            return CliOutput::fail(QStringLiteral("--sep takes one character other than a space"));
        separator = sep.at(0);
    }
    const WordListText::WordFile words = WordListText::ReadWordFile(bytes, WordListText::Unmappable::Replace);
    for (const WordListText::LineProblem& problem : words.problems)
        CliOutput::warning(QStringLiteral("warning: word file ") + WordListText::ProblemText(problem));
    const QList<QByteArray>& items = words.items;
    if (items.size() > Limits::WordSlots)
        return CliOutput::fail(QStringLiteral("%1 holds %2 words; a puzzle takes at most %3")
                                   .arg(path).arg(items.size()).arg(Limits::WordSlots));
    for (qsizetype i = 0; i < items.size(); ++i) {
        const auto pair = WordListText::SplitPair(items[i], separator);
        const int line = words.itemLines[i];
        if (pair.word.size() > Limits::WordLength)
            CliOutput::warning(QStringLiteral("warning: word file line %1: the word \"%2\" is cut to %3 characters")
                                .arg(line).arg(CliOutput::ansi(pair.word)).arg(Limits::WordLength));
        if (pair.clue.size() > Limits::ClueLength)
            CliOutput::warning(QStringLiteral("warning: word file line %1: the clue is cut to %2 characters").arg(line).arg(Limits::ClueLength));
        input.Rows[std::size_t(i)] = {pair.word, pair.clue.left(Limits::ClueLength)};
    }
    return 0;
}

int readShape(const CliArguments& args, TShapeRecord& shape)
{
    const bool fromFile = args.has(QStringLiteral("shape-file"));
    if (fromFile == (args.has(QStringLiteral("shape-lib")) || args.has(QStringLiteral("shape"))))
        return CliOutput::fail(QStringLiteral("give either --shape-file FILE.LAY or [--shape-lib QVFLAY.DAT] --shape N"));
    if (args.has(QStringLiteral("shape-file"))) {
        const QString path = args.value(QStringLiteral("shape-file"));
        const IoResult result = ShapeExport::ImportShape(path, shape);
        if (result.status == IoResult::OpenFailed)
            return CliOutput::fail(ShapeMessages::ImportOpenFailed.text() + QStringLiteral(" (%1)").arg(path));
        if (!result)
            return CliOutput::fail(ShapeMessages::ImportCorrupt.text() + QStringLiteral(" (%1)").arg(path));
        return 0;
    }
    // Without --shape-lib, the program folder's library, as `quorvex-cli shapes` lists it.
    const QString library = args.has(QStringLiteral("shape-lib")) ? args.value(QStringLiteral("shape-lib"))
                                                                  : ShapeLibrary::LibraryPath(ProgramDirectory());
    QString error;
    const auto n = args.number(QStringLiteral("shape"), 0, 1 << 30, error);
    if (!n)
        return CliOutput::fail(args.has(QStringLiteral("shape")) ? error : QStringLiteral("--shape-lib needs --shape N"));
    std::vector<TShapeRecord> shapes;
    if (ShapeLibrary::ReadLibrary(library, shapes) && QFileInfo(library).isFile() && *n >= qint64(shapes.size()))
        return CliOutput::fail(shapes.empty() ? QStringLiteral("there is no shape %1: %2 holds no shapes").arg(*n).arg(library)
                                              : QStringLiteral("there is no shape %1: %2 holds %3 shapes, numbered from 0 "
                                                               "to %4 (quorvex-cli shapes %2 lists them)")
                                                    .arg(*n).arg(library).arg(shapes.size()).arg(shapes.size() - 1));
    const IoResult result = ShapeLibrary::LoadShape(library, int(*n), shape);
    if (!result)
        return CliOutput::fail(QStringLiteral("cannot read shape %1 of %2%3").arg(*n).arg(library,
                               result.systemError.isEmpty() ? QString() : QStringLiteral(": ") + result.systemError));
    if (!shape.hasValidSize())
        return CliOutput::fail(QStringLiteral("shape %1 of %2 has a size outside 5..30").arg(*n).arg(library));
    return 0;
}

/** The page layout of a new puzzle: the given export file, else the default of the page file. */
int readLayout(const CliArguments& args, TPageLayout& layout)
{
    if (args.has(QStringLiteral("layout-file")))
        return ReadLayoutFileArgument(args, layout);
    const Settings settings = LoadSettings(StartDirectory());
    const QString pageFile = QDir(ProgramDirectory()).filePath(QStringLiteral("QVFPAGE.DAT"));
    LoadDefaultLayout(pageFile, settings.DefaultPage, layout);
    return 0;
}

/** Appends the versions and reports them; fewer than asked is said on stderr. */
int saveVersions(const std::vector<TPuzzleRecord>& records, int asked, int words, const QString& out)
{
    if (records.empty())
        return CliOutput::fail(QStringLiteral("no word could be placed in the shape; nothing was saved"), 3);
    for (const TPuzzleRecord& record : records) {
        const IoResult written = AppendPuzzle(out, record);
        if (!written)
            return CliOutput::failOn(CollectionMessages::saveFailureText(written), out);
        CliOutput::line(QStringLiteral("saved \"%1\": placed %2 of %3 words")
                            .arg(CliOutput::ansi(record.Title.text()))
                            .arg(record.AcrossCount + record.DownCount)
                            .arg(words));
    }
    if (int(records.size()) < asked)
        CliOutput::warning(QStringLiteral("warning: only %1 different grids were found").arg(records.size()));
    CliOutput::line(QStringLiteral("saved %1 versions to %2").arg(records.size()).arg(out));
    return 0;
}

} // namespace

namespace {

int RunBuild(const CliArguments& args)
{
    for (const char* required : {"words", "title", "category", "out"}) {
        if (!args.has(QLatin1String(required)))
            return CliOutput::fail(QStringLiteral("build needs --%1").arg(QLatin1String(required)));
    }
    const QString out = args.value(QStringLiteral("out"));
    QStringList inputs{args.value(QStringLiteral("words"))};
    for (const char* option : {"shape-file", "shape-lib", "layout-file"}) {
        if (args.has(QLatin1String(option)))
            inputs.append(args.value(QLatin1String(option)));
    }
    if (const int status = OutputPath::checkRecordFile(out, qint64(Limits::PuzzleRecordSize), inputs))
        return status;
    auto input = std::make_unique<TCreateInput>();
    if (const int status = readWordRows(args, *input))
        return status;
    // --fit-all chooses its own square: the words are checked against the largest one.
    const bool fitAll = args.has(QStringLiteral("fit-all"));
    TShapeRecord shape = SquareShape(Limits::MaxShapeSide);
    if (fitAll) {
        if (args.has(QStringLiteral("shape")) || args.has(QStringLiteral("shape-file")))
            return CliOutput::fail(QStringLiteral("--fit-all chooses the square itself: leave out --shape and --shape-file"));
    } else if (const int status = readShape(args, shape)) {
        return status;
    }
    int versions = 0;
    if (args.has(QStringLiteral("versions"))) {
        QString error;
        const auto n = args.number(QStringLiteral("versions"), Versions::MinCount, Versions::MaxCount, error);
        if (!n)
            return CliOutput::fail(error);
        if (args.has(QStringLiteral("candidates")))
            return CliOutput::fail(QStringLiteral("--versions and --candidates cannot be given together"));
        versions = int(*n);
    }
    TPageLayout layout;
    if (const int status = readLayout(args, layout))
        return status;

    input->Title = Ansi::fromUnicode(args.value(QStringLiteral("title")));
    input->Category = Ansi::fromUnicode(args.value(QStringLiteral("category")));
    // Without --attempts, the "Attempts" setting of the working folder, as the program's Create takes it.
    input->AttemptsText = args.has(QStringLiteral("attempts")) ? args.value(QStringLiteral("attempts")).toLatin1()
                                                                : QByteArray::number(LoadSettings(StartDirectory()).Attempts);

    auto current = std::make_unique<TPuzzleRecord>();
    ClearForNewPuzzle(*current);
    SetLayoutOfPuzzle(*current, layout);
    auto checked = std::make_unique<TCreateCheckResult>(CheckCreateInput(*input, shape, *current));
    if (!checked->Accepted)
        return CliOutput::fail(checked->Refusal.Message, 2);

    TBuildOptions options;
    options.Attempts = checked->Attempts;
    options.Shrink = args.has(QStringLiteral("shrink"));
    options.QuickBuild = args.has(QStringLiteral("quick"));
    std::uint32_t seed = TimeOfDaySeed();
    if (args.has(QStringLiteral("seed"))) {
        QString error;
        const auto s = args.number(QStringLiteral("seed"), 0, 0xFFFFFFFFLL, error);
        if (!s)
            return CliOutput::fail(error);
        seed = std::uint32_t(*s);
    }
    auto result = std::make_unique<TBuildResult>();
    if (fitAll) {
        TFitAllResult fit = FitAllWords(checked->Puzzle, Limits::MinShapeSide, options, seed);
        if (!fit.Found)
            return CliOutput::fail(QStringLiteral("no square up to %1 x %1 took every word in %2 attempt(s); nothing was saved")
                                       .arg(Limits::MaxShapeSide).arg(options.Attempts), 3);
        CliOutput::line(QStringLiteral("every word fits a %1 x %1 square").arg(fit.Side));
        shape = fit.Shape;
        checked->Puzzle = fit.Puzzle;
        result = std::move(fit.Result);
    } else if (versions == 0) {
        BuildPuzzles(checked->Puzzle, shape, options, seed, nullptr, *result);
    }
    if (versions > 0)
        return saveVersions(BuildVersions(checked->Puzzle, shape, options, seed, versions), versions,
                            checked->Puzzle.WordCount, out);

    const int slotCount = args.has(QStringLiteral("candidates")) ? Limits::CandidateSlots : 1;
    int saved = 0;
    for (int k = 0; k < slotCount; ++k) {
        if (result->CandidateScores[std::size_t(k)] <= 0)
            break;
        const TPuzzleRecord record = SavedCandidate(*result, k);
        const IoResult written = AppendPuzzle(out, record);
        if (!written)
            return CliOutput::failOn(CollectionMessages::saveFailureText(written), out);
        ++saved;
    }
    if (saved == 0)
        return CliOutput::fail(QStringLiteral("no word could be placed in the shape; nothing was saved"), 3);
    CliOutput::line(QStringLiteral("placed %1 of %2 words; saved %3 puzzle(s) to %4")
                        .arg(result->CandidateScores[0]).arg(checked->Puzzle.WordCount).arg(saved).arg(out));
    return 0;
}

} // namespace

const CliCommand BuildCommand{"build", RunBuild, {
    {"words"},
    {"sep"},
    {"shape-file"},
    {"shape-lib"},
    {"shape"},
    {"attempts"},
    {"seed"},
    {"title"},
    {"category"},
    {"layout-file"},
    {"out"},
    {"shrink", CliOption::Switch},
    {"quick", CliOption::Switch},
    {"candidates", CliOption::Switch},
    {"versions"},
    {"fit-all", CliOption::Switch},
}};
