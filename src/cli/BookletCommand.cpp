#include "cli/CliCommands.h"
#include "cli/CliOutput.h"
#include "cli/OutputPath.h"

#include "export/BookletExport.h"
#include "store/Ansi.h"
#include "store/Collection.h"
#include "store/Directories.h"

#include <QFileInfo>

namespace {

const QString Usage = QStringLiteral(
    "usage: quorvex-cli booklet COLLECTION.QV3 (--record N ... | --all | --category C) [--answers back|after|none|key]\n"
    "                    [--cover TITLE] [--page-numbers] [--layout-file FILE.PAG] --out BOOK.pdf");

const std::pair<const char*, BookletAnswers> AnswerChoices[] = {
    {"back", BookletAnswers::Back}, {"after", BookletAnswers::After}, {"none", BookletAnswers::None},
    {"key", BookletAnswers::Key}};

} // namespace

static int RunBooklet(const CliArguments& args)
{
    const int choices = int(args.has(QStringLiteral("record"))) + int(args.has(QStringLiteral("all")))
        + int(args.has(QStringLiteral("category")));
    if (args.positional.size() != 1 || choices != 1 || !args.has(QStringLiteral("out")))
        return CliOutput::fail(Usage);
    const QString path = args.positional.first();
    if (!QFileInfo(path).isFile())
        return CliOutput::fail(QStringLiteral("cannot open %1").arg(path));

    TBookletOptions options;
    if (args.has(QStringLiteral("answers"))) {
        const QString answers = args.value(QStringLiteral("answers")).toLower();
        const auto* choice = std::find_if(std::begin(AnswerChoices), std::end(AnswerChoices),
                                          [&](const auto& c) { return answers == QLatin1String(c.first); });
        if (choice == std::end(AnswerChoices))
            return CliOutput::fail(QStringLiteral("--answers must be back, after, none or key, not %1").arg(answers));
        options.Answers = choice->second;
    }
    if (args.has(QStringLiteral("cover"))) {
        options.Cover = true;
        options.CoverTitle = Ansi::fromUnicode(args.value(QStringLiteral("cover")));
    }
    options.PageNumbers = args.has(QStringLiteral("page-numbers"));
    if (args.has(QStringLiteral("layout-file"))) {
        TPageLayout layout;
        if (const int status = ReadLayoutFileArgument(args, layout))
            return status;
        options.Layout = layout;
    }

    IoResult listed;
    const CollectionIndex index = ListCollection(path, &listed);
    if (!listed)
        return CliOutput::failOn(listed.describe(QString(CollectionMessages::UnableToLoad)), path);
    std::vector<qint64> records;
    if (args.has(QStringLiteral("category"))) {
        const QByteArray category = Ansi::fromUnicode(args.value(QStringLiteral("category")));
        for (const CollectionEntry& entry : index.Entries) {
            if (index.Categories[std::size_t(entry.categoryIndex())] == category)
                records.push_back(entry.recordNumber());
        }
        if (records.empty())
            return CliOutput::fail(QStringLiteral("%1 has no category %2").arg(path, args.value(QStringLiteral("category"))));
    } else if (const int status = RecordArguments(args, path, true, records)) {
        return status;
    }
    if (records.empty())
        return CliOutput::fail(QStringLiteral("%1 holds no puzzles").arg(path));

    const QString out = args.value(QStringLiteral("out"));
    if (const int status = OutputPath::check(out, {path}))
        return status;

    std::vector<QByteArray> titles;
    for (const qint64 n : records)
        titles.push_back(index.Entries[std::size_t(n)].Title);
    const auto reader = [&](int i, TPuzzleRecord& puzzle, QString& error) {
        const qint64 n = records[std::size_t(i)];
        const IoResult read = ReadPuzzle(path, n, puzzle);
        if (!read)
            error = read.describe(QString(CollectionMessages::UnableToLoad));
        else if (puzzle.Generated != 1)
            error = QString(CollectionMessages::NeverGenerated) + QStringLiteral(" (record %1)").arg(n);
        return error.isEmpty();
    };
    TBooklet booklet(std::move(titles), options, LoadSettings(StartDirectory()), reader);
    TBookletResult result;
    const IoResult written = BookletExport::writePdf(booklet, out, result);
    if (!written) {
        if (!result.Error.isEmpty())
            return CliOutput::fail(result.Error);
        return CliOutput::failOn(written.describe(QStringLiteral("Unable to create export file.")), out);
    }
    for (const QString& warning : result.Warnings)
        CliOutput::warning(warning);
    CliOutput::line(QStringLiteral("wrote %1 pages of %2 puzzles to %3").arg(result.Pages).arg(records.size()).arg(out));
    return 0;
}

const CliCommand BookletCommand{"booklet", RunBooklet, {
    {"record", CliOption::Numbers},
    {"all", CliOption::Switch},
    {"category"},
    {"answers"},
    {"cover"},
    {"page-numbers", CliOption::Switch},
    {"layout-file"},
    {"out"},
}};
