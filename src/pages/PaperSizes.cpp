#include "pages/PaperSizes.h"

#include "pages/PageLayout.h"

#include <algorithm>
#include <cmath>

namespace PaperSizes {

namespace {

constexpr std::array<TPaperSize, 6> Papers{{
    {"Letter", 8.5, 11, true},
    {"Legal", 8.5, 14, true},
    {"A4", 21, 29.7, false},
    {"A5", 14.8, 21, false},
    {"B5", 18.2, 25.7, false},
    {"Executive", 7.25, 10.5, true},
}};

constexpr int InchPixels[3] = {48, 72, 96};
constexpr int CentimetrePixels[3] = {20, 30, 40};

bool usable(double side)
{
    return std::isfinite(side) && side > 0;
}

QSizeF letter(bool portrait)
{
    return orientedSize(Papers[0], portrait);
}

// The paper size of a layout in inches, before clamping.
QSizeF rawInches(const TPageLayout& layout)
{
    if (const auto paper = findPaper(layout.PaperName.text())) {
        const QSizeF size = orientedSize(*paper, layout.Portrait);
        return paper->UseInches ? size : size * InchesPerCentimetre;
    }
    const QSizeF size(layout.PaperWidth, layout.PaperHeight);
    return layout.UseInches ? size : size * InchesPerCentimetre;
}

} // namespace

const std::array<TPaperSize, 6>& standardPapers()
{
    return Papers;
}

QStringList paperNames()
{
    QStringList names;
    for (const auto& paper : Papers)
        names << QString::fromLatin1(paper.Name);
    names << QString::fromLatin1(CustomName);
    return names;
}

std::optional<TPaperSize> findPaper(QByteArrayView name)
{
    for (const auto& paper : Papers) {
        if (name == QByteArrayView(paper.Name))
            return paper;
    }
    return std::nullopt;
}

QSizeF orientedSize(const TPaperSize& paper, bool portrait)
{
    return portrait ? QSizeF(paper.Width, paper.Height) : QSizeF(paper.Height, paper.Width);
}

int pixelsPerUnit(int zoom, bool useInches)
{
    const int index = std::clamp(zoom, ZoomSmall, ZoomLarge) - 1;
    return useInches ? InchPixels[index] : CentimetrePixels[index];
}

QSize designPixels(QSizeF paperSize, int zoom, bool useInches)
{
    const double perUnit = pixelsPerUnit(zoom, useInches);
    const auto side = [perUnit](double value) {
        // Clamp before truncating so that no stored size can overflow an int.
        const double pixels = usable(value) ? std::clamp(value * perUnit, 1.0, 32767.0) : 1.0;
        return int(pixels);
    };
    return {side(paperSize.width()), side(paperSize.height())};
}

QSizeF pageSizeInches(const TPageLayout& layout)
{
    const QSizeF size = rawInches(layout);
    if (!usable(size.width()) || !usable(size.height()))
        return letter(layout.Portrait);
    return {std::clamp(size.width(), MinPageInches, MaxPageInches),
            std::clamp(size.height(), MinPageInches, MaxPageInches)};
}

QSize designPageSize(const TPageLayout& layout)
{
    if (layout.PixelWidth > 0 && layout.PixelHeight > 0)
        return {layout.PixelWidth, layout.PixelHeight};
    QSizeF size = pageSizeInches(layout);
    if (!layout.UseInches)
        size /= InchesPerCentimetre;
    return designPixels(size, layout.DesignZoom, layout.UseInches);
}

} // namespace PaperSizes
