#include "cli/CliCommands.h"
#include "cli/CliOutput.h"

#include "pages/HtmlExport.h"
#include "pages/IpuzExport.h"
#include "pages/MetafileExport.h"
#include "pages/PuzExport.h"
#include "pages/RasterExport.h"
#include "pages/RenderSettings.h"
#include "pages/SolverPageExport.h"
#include "pages/TextExport.h"
#include "pages/VectorExport.h"
#include "store/Collection.h"
#include "store/Directories.h"
#include "store/Settings.h"

#include <QSet>

namespace {

int failed(const IoResult& result, const QString& path)
{
    if (result.status == IoResult::Refused)
        return CliOutput::fail(result.systemError);
    const QString reason = result.systemError.isEmpty() ? QStringLiteral("Unable to create export file.")
                                                        : result.systemError;
    return CliOutput::fail(QStringLiteral("cannot write %1: %2").arg(path, reason));
}

} // namespace

int RunExport(const CliArguments& args)
{
    static const QSet<QString> formats{QStringLiteral("png"), QStringLiteral("jpg"), QStringLiteral("bmp"),
                                       QStringLiteral("pdf"), QStringLiteral("svg"), QStringLiteral("wmf"),
                                       QStringLiteral("emf"), QStringLiteral("html"), QStringLiteral("clues"),
                                       QStringLiteral("words"), QStringLiteral("ipuz"), QStringLiteral("puz"),
                                       QStringLiteral("solver")};
    if (args.positional.size() != 1 || !args.has(QStringLiteral("record")) || !args.has(QStringLiteral("format"))
        || !args.has(QStringLiteral("out")))
        return CliOutput::fail(QStringLiteral("usage: quorvex-cli export COLLECTION.QV3 --record N --format F --out FILE"));
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
    if (format == QLatin1String("clues") || format == QLatin1String("words")) {
        const auto content = format == QLatin1String("clues") ? TextExport::Content::Clues : TextExport::Content::Words;
        const IoResult result = TextExport::writeClueText(puzzle, content, out);
        return result ? 0 : failed(result, out);
    }

    const TPageLayout layout = PuzzleLayout(puzzle);
    TRenderOptions options = RenderOptionsFromSettings(settings, layout);
    options.AnswerKey = args.has(QStringLiteral("answers"));
    options.PartialAnswers = false;
    options.PartialLetters = false;

    if (format == QLatin1String("ipuz") || format == QLatin1String("puz") || format == QLatin1String("solver")) {
        const IoResult result = format == QLatin1String("ipuz") ? IpuzExport::write(puzzle, options, out)
            : format == QLatin1String("puz")                    ? PuzExport::write(puzzle, options, out)
                                                                : SolverPageExport::write(puzzle, options, out);
        return result ? 0 : failed(result, out);
    }
    if (format == QLatin1String("pdf") || format == QLatin1String("svg")) {
        const IoResult result = format == QLatin1String("pdf") ? VectorExport::writePdf(puzzle, layout, options, out)
                                                               : VectorExport::writeSvg(puzzle, layout, options, out);
        return result ? 0 : failed(result, out);
    }
    if (format == QLatin1String("png") || format == QLatin1String("jpg") || format == QLatin1String("bmp")) {
        const auto pixelFormat = format == QLatin1String("png") ? RasterExport::PixelFormat::Rgb24
                                                               : RasterExport::pixelFormatFromSetting(settings.PixelFormat);
        const RasterExport::TPageImage page = RasterExport::renderPageImage(puzzle, layout, options, width, pixelFormat);
        if (page.Image.isNull())
            return CliOutput::fail(QStringLiteral("cannot draw a page %1 pixels wide").arg(width));
        IoResult result;
        if (format == QLatin1String("png"))
            result = RasterExport::writePng(page.Image, out);
        else if (format == QLatin1String("jpg"))
            result = RasterExport::writeJpeg(page.Image, quality, out);
        else
            result = RasterExport::writeBmp(page.Image, out);
        return result ? 0 : failed(result, out);
    }
    if (format == QLatin1String("wmf") || format == QLatin1String("emf")) {
        bool hadBitmaps = false;
        const IoResult result = exportMetafile(puzzle, options, format == QLatin1String("wmf") ? MetafileKind::Wmf
                                                                                            : MetafileKind::Emf,
                                               out, &hadBitmaps);
        if (result && hadBitmaps)
            CliOutput::line(QStringLiteral("note: pictures of the layout are not written to metafiles"));
        return result ? 0 : failed(result, out);
    }
    const IoResult result = exportHtml(puzzle, options, settings, width, quality, out);
    return result ? 0 : failed(result, out);
}
