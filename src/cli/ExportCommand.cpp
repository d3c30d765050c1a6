#include "cli/CliCommands.h"
#include "cli/CliOutput.h"
#include "cli/OutputPath.h"

#include "export/MetafileExport.h"
#include "export/OutputFormat.h"
#include "export/RasterExport.h"
#include "pages/PageFile.h"
#include "render/RenderSettings.h"
#include "store/Collection.h"
#include "store/Directories.h"
#include "store/Settings.h"

namespace {

int failed(const IoResult& result, const QString& path)
{
    if (result.status == IoResult::Refused)
        return CliOutput::fail(result.systemError);
    return CliOutput::failOn(result.describe(QStringLiteral("Unable to create export file.")), path);
}

int RunExport(const CliArguments& args)
{
    if (args.positional.size() != 1 || !args.has(QStringLiteral("record")) || !args.has(QStringLiteral("format"))
        || !args.has(QStringLiteral("out")))
        return CliOutput::fail(QStringLiteral("usage: quorvex-cli export COLLECTION.QV3 --record N --format F [--layout-file FILE.PAG] [--language NAME] --out FILE"));
    const QString name = args.value(QStringLiteral("format")).toLower();
    const TOutputFormat* format = OutputFormats::find(name);
    if (!format)
        return CliOutput::fail(QStringLiteral("unknown format %1").arg(name));

    const Settings settings = LoadSettings(StartDirectory());
    QString error;
    int width = settings.PixelWidth;
    if (args.has(QStringLiteral("width"))) {
        const auto w = args.number(QStringLiteral("width"), RasterExport::MinWidth, RasterExport::MaxWidth, error);
        if (!w)
            return CliOutput::fail(error);
        width = int(*w);
    }
    int quality = settings.JPegCompressionQuality;
    if (args.has(QStringLiteral("quality"))) {
        const auto q = args.number(QStringLiteral("quality"), RasterExport::MinQuality, RasterExport::MaxQuality, error);
        if (!q)
            return CliOutput::fail(error);
        quality = int(*q);
    }

    TPuzzleRecord puzzle;
    if (const int status = ReadRecordArgument(args, puzzle))
        return status;
    if (puzzle.Generated != 1)
        return CliOutput::fail(CollectionMessages::NeverGenerated);

    const QString out = args.value(QStringLiteral("out"));
    const QString collection = args.positional.first();
    for (const QString& file : format->outputFiles(out)) {
        if (const int status = OutputPath::check(file, {collection}))
            return status;
    }
    TExportRequest request{&puzzle, nullptr, nullptr, &settings, width, quality, out, {}};
    const auto write = [&]() {
        const IoResult result = format->Write(request);
        if (!result)
            return failed(result, out);
        if (format->Warning) {
            if (const QString warning = format->Warning(request); !warning.isEmpty())
                CliOutput::warning(warning);
        }
        return 0;
    };
    if (format->Input == ExportInput::Record)
        return write();

    TPageLayout layout = PuzzleLayout(puzzle);
    if (args.has(QStringLiteral("layout-file"))) {
        if (const int status = ReadLayoutFileArgument(args, layout))
            return status;
        SetLayoutOfPuzzle(puzzle, layout);
    }
    TRenderOptions options = RenderOptionsFromSettings(settings, layout);
    options.AnswerKey = args.has(QStringLiteral("answers"));
    options.PartialAnswers = false;
    options.PartialLetters = false;
    request.Options = &options;
    request.Solving = {settings.WebPuzzleWordLengths, settings.WebPuzzleTimer, settings.Dictionary};
    if (args.has(QStringLiteral("enumerations")))
        request.Solving.WordLengths = true;
    if (const int status = ReadLanguageArgument(args, request.Solving.Language))
        return status;
    if (format->Input == ExportInput::Puzzle)
        return write();

    // The page is fitted once; whatever the format, the file shows that one result, and the
    // run's warnings are reported as the report window reports them.
    const TFittedPage page = FitPage(puzzle, layout, options);
    request.Page = &page;
    if (format->LeavesOutPictures && MetafileExport::hasBitmaps(layout))
        CliOutput::warning(MetafileExport::BitmapWarning);
    if (const int status = write())
        return status;
    for (const QString& warning : page.runWarnings())
        CliOutput::warning(warning);
    return 0;
}

} // namespace

const CliCommand ExportCommand{"export", RunExport, {
    {"record"},
    {"format"},
    {"width"},
    {"quality"},
    {"layout-file"},
    {"out"},
    {"answers", CliOption::Switch},
    {"enumerations", CliOption::Switch},
    {"language"},
}};
