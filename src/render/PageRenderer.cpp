#include "render/PageRenderer.h"

#include "render/PageMetrics.h"
#include "pages/PaperSizes.h"

#include <algorithm>
#include <cmath>
#include <cstring>

bool TFittedPage::anyTextOverflow() const
{
    return std::any_of(TextOverflow.begin(), TextOverflow.end(), [](bool b) { return b; });
}

QStringList TFittedPage::runWarnings() const
{
    return Warnings + overflowWarnings();
}

QStringList TFittedPage::overflowWarnings() const
{
    QStringList out;
    if (ClueOverflow)
        out.append(RenderLimits::ClueOverflowWarning);
    if (WordOverflow)
        out.append(RenderLimits::WordOverflowWarning);
    if (anyTextOverflow())
        out.append(RenderLimits::TextOverflowWarning);
    return out;
}

bool TRenderOptions::isSeparator(std::uint8_t c) const
{
    return (SepDash && c == '-') || (SepSlash && c == '/') || (SepPlus && c == '+') || (SepStar && c == '*')
        || (SepOther && SepChar != ' ' && c == static_cast<std::uint8_t>(SepChar));
}

void ApplyLayoutSetup(TRenderOptions& options, const TPageLayout& layout)
{
    constexpr int HeadingLength = 25;
    for (int i = 0; i < layout.usedObjects(); ++i) {
        const TPageObject& o = layout.Objects[std::size_t(i)];
        switch (o.Kind) {
        case ObjectKind::Puzzle:
            options.UseBoxes = !o.Transparent;
            options.BoxColor = o.FillColor;
            break;
        // A heading object without text of its own keeps the default label, so the built-in
        // layout (whose headers carry no text) still prints "Across" and "Down".
        case ObjectKind::DownHeader:
            if (!o.text().isEmpty())
                options.DownHeading = o.text().left(HeadingLength);
            break;
        case ObjectKind::AcrossHeader:
            if (!o.text().isEmpty())
                options.AcrossHeading = o.text().left(HeadingLength);
            break;
        case ObjectKind::CombinedClues: {
            const QByteArray text = o.text();
            const qsizetype colon = text.indexOf(':');
            if (colon >= 0) {
                if (colon > 0)
                    options.AcrossHeading = text.left(colon).left(HeadingLength);
                if (colon + 1 < text.size())
                    options.DownHeading = text.mid(colon + 1).left(HeadingLength);
            }
            break;
        }
        default:
            break;
        }
    }
}

namespace {

// A custom paper between these sizes (inches) is accepted as it is.
constexpr double MinPaperSide = 0.5;
constexpr double MaxPaperSide = 100.0;

} // namespace

QSizeF RenderPaperSize(const TPageLayout& layout)
{
    using namespace PaperSizes;
    if (const auto paper = findPaper(layout.PaperName.text())) {
        const QSizeF size = orientedSize(*paper, layout.Portrait);
        return paper->UseInches ? size : size * InchesPerCentimetre;
    }
    // Custom: the stored size already has the orientation applied; the printer gets it in
    // tenths of a millimetre.
    const double unit = layout.UseInches ? 1.0 : InchesPerCentimetre;
    const double tenthsPerInch = 254.0;
    const double width = std::nearbyint(layout.PaperWidth * unit * tenthsPerInch) / tenthsPerInch;
    const double height = std::nearbyint(layout.PaperHeight * unit * tenthsPerInch) / tenthsPerInch;
    const auto sane = [](double v) { return std::isfinite(v) && v >= MinPaperSide && v <= MaxPaperSide; };
    if (sane(width) && sane(height))
        return QSizeF(width, height);
    return layout.Portrait ? QSizeF(8.5, 11.0) : QSizeF(11.0, 8.5);
}

int ComputePrintCount(const TPuzzleRecord& puzzle)
{
    int count = std::clamp<int>(puzzle.WordCount, 0, Limits::WordSlots);
    while (count >= 1 && puzzle.WordUsed[std::size_t(count - 1)] == 0)
        --count;
    const int across = std::clamp<int>(puzzle.AcrossCount, 0, Limits::WordSlots);
    const int down = std::clamp<int>(puzzle.DownCount, 0, Limits::WordSlots);
    return std::min(count, std::min(across + down, Limits::WordSlots));
}

TPageLayout PuzzleLayout(const TPuzzleRecord& puzzle)
{
    return TPageLayout::fromBytes(reinterpret_cast<const char*>(puzzle.PageLayout.data()), puzzle.PageLayout.size());
}

TFittedPage FitPage(const TPuzzleRecord& puzzle, const TPageLayout& layout, const TRenderOptions& options)
{
    TOutlineMetrics metrics;
    return MeasurePage(puzzle, layout, options, metrics, RenderPaperSize(layout));
}

TFittedPage FitPage(const TPuzzleRecord& puzzle, const TRenderOptions& options)
{
    return FitPage(puzzle, PuzzleLayout(puzzle), options);
}

TFittedPage MeasurePage(const TPuzzleRecord& puzzle, const TRenderOptions& options, TPageCanvas& canvas)
{
    return MeasurePage(puzzle, PuzzleLayout(puzzle), options, canvas);
}

TFittedPage RenderPage(const TPuzzleRecord& puzzle, const TPageLayout& layout, const TRenderOptions& options,
                       TPageCanvas& canvas)
{
    TFittedPage page = MeasurePage(puzzle, layout, options, canvas);
    DrawPage(page, canvas);
    return page;
}
