#include "cli/CliCommands.h"
#include "cli/CliOutput.h"
#include "cli/OutputPath.h"

#include "export/FittedTexts.h"
#include "export/HtmlExport.h"
#include "export/IpuzExport.h"
#include "pages/PageFile.h"
#include "export/MetafileExport.h"
#include "export/PuzExport.h"
#include "export/RasterExport.h"
#include "render/RenderSettings.h"
#include "export/SolverPageExport.h"
#include "export/TextExport.h"
#include "export/VectorExport.h"
#include "store/Collection.h"
#include "store/Directories.h"
#include "store/RecordFile.h"
#include "store/Settings.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace {

int failed(const IoResult& result, const QString& path)
{
    if (result.status == IoResult::Refused)
        return CliOutput::fail(result.systemError);
    return CliOutput::failOn(result.describe(QStringLiteral("Unable to create export file.")), path);
}

} // namespace

int RunExport(const CliArguments& args)
{
    static const QSet<QString> formats{QStringLiteral("png"), QStringLiteral("jpg"), QStringLiteral("bmp"),
                                       QStringLiteral("pdf"), QStringLiteral("svg"), QStringLiteral("wmf"),
                                       QStringLiteral("emf"), QStringLiteral("html"), QStringLiteral("clues"),
                                       QStringLiteral("words"), QStringLiteral("ipuz"), QStringLiteral("puz"),
                                       QStringLiteral("solver"), QStringLiteral("fitted")};
    if (args.positional.size() != 1 || !args.has(QStringLiteral("record")) || !args.has(QStringLiteral("format"))
        || !args.has(QStringLiteral("out")))
        return CliOutput::fail(QStringLiteral("usage: quorvex-cli export COLLECTION.QV3 --record N --format F [--layout-file FILE.PAG] --out FILE"));
    const QString format = args.value(QStringLiteral("format")).toLower();
    if (!formats.contains(format))
        return CliOutput::fail(QStringLiteral("unknown format %1").arg(format));

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
    if (const int status = OutputPath::check(out, {collection}))
        return status;
    if (format == QLatin1String("html")) {
        const QString picture = QFileInfo(out).absoluteDir().filePath(HtmlExport::pictureName(out));
        if (const int status = OutputPath::check(picture, {collection}))
            return status;
    }
    if (format == QLatin1String("clues") || format == QLatin1String("words")) {
        const auto content = format == QLatin1String("clues") ? TextExport::Content::Clues : TextExport::Content::Words;
        const IoResult result = TextExport::writeClueText(puzzle, content, out);
        return result ? 0 : failed(result, out);
    }

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

    if (format == QLatin1String("ipuz") || format == QLatin1String("puz") || format == QLatin1String("solver")) {
        TSolvingOptions solving{settings.WebPuzzleWordLengths, settings.WebPuzzleTimer};
        if (args.has(QStringLiteral("enumerations")))
            solving.WordLengths = true;
        const IoResult result = format == QLatin1String("ipuz") ? IpuzExport::write(puzzle, options, solving, out)
            : format == QLatin1String("puz")                    ? PuzExport::write(puzzle, options, out)
                                                                : SolverPageExport::write(puzzle, options, solving, out);
        return result ? 0 : failed(result, out);
    }

    // The page is fitted once; whatever the format, the file shows that one result, and the
    // run's warnings are reported as the report window reports them.
    const TFittedPage page = FitPage(puzzle, layout, options);
    IoResult result;
    if (format == QLatin1String("fitted")) {
        result = RecordFile::replaceWhole(out, FittedTextsReport(page));
    } else if (format == QLatin1String("pdf")) {
        result = VectorExport::writePdf(page, out);
    } else if (format == QLatin1String("svg")) {
        result = VectorExport::writeSvg(page, out);
    } else if (format == QLatin1String("png") || format == QLatin1String("jpg") || format == QLatin1String("bmp")) {
        const auto pixelFormat = format == QLatin1String("png") ? RasterExport::PixelFormat::Rgb24
                                                               : RasterExport::pixelFormatFromSetting(settings.PixelFormat);
        const QImage image = RasterExport::drawPageImage(page, width, pixelFormat);
        if (image.isNull())
            return CliOutput::fail(QStringLiteral("cannot draw a page %1 pixels wide").arg(width));
        if (format == QLatin1String("png"))
            result = RasterExport::writePng(image, out);
        else if (format == QLatin1String("jpg"))
            result = RasterExport::writeJpeg(image, quality, out);
        else
            result = RasterExport::writeBmp(image, out);
    } else if (format == QLatin1String("wmf") || format == QLatin1String("emf")) {
        if (MetafileExport::hasBitmaps(layout))
            CliOutput::warning(MetafileExport::BitmapWarning);
        result = MetafileExport::writeMetafile(page, format == QLatin1String("wmf") ? MetafileKind::Wmf : MetafileKind::Emf,
                                               out);
    } else {
        result = HtmlExport::writeHtml(page, settings, width, quality, out);
    }
    if (!result)
        return failed(result, out);
    for (const QString& warning : page.runWarnings())
        CliOutput::warning(warning);
    return 0;
}
