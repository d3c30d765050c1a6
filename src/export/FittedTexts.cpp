#include "export/FittedTexts.h"

#include "render/PageMetrics.h"
#include "render/PageRenderer.h"
#include "store/Ansi.h"

namespace {

/** A canvas that keeps the texts drawn on it and nothing else. */
class TTextCollector : public TOutlineCanvas {
public:
    explicit TTextCollector(const TFittedPage& page) : m_page(page) {}

    std::vector<TFittedText> Texts;
    std::int16_t Kind = 0;

    double paperWidth() const override { return m_page.PaperWidth; }
    double paperHeight() const override { return m_page.PaperHeight; }
    void setTextTransparent(bool) override {}
    void textOut(double x, double y, const QString& text) override
    {
        fittedTextOut(x, y, text, m_measure.textWidth(text));
    }
    void fittedTextOut(double x, double y, const QString& text, double width) override
    {
        if (!text.isEmpty())
            Texts.push_back({Kind, x, y, width, m_font, text});
    }
    void setPenColor(std::uint32_t) override {}
    void moveTo(double, double) override {}
    void lineTo(double, double) override {}
    void fillRectangle(const QRectF&, std::uint32_t) override {}
    void fillEllipse(const QRectF&, std::uint32_t) override {}
    void outlineEllipse(const QRectF&) override {}
    int toDeviceX(double x) const override { return int(x * 600); }
    int toDeviceY(double y) const override { return int(y * 600); }
    double fromDeviceX(int x) const override { return x / 600.0; }
    double fromDeviceY(int y) const override { return y / 600.0; }
    void stretchImage(const QRectF&, const QImage&) override {}

protected:
    void fontSet(const TCanvasFont& font) override { m_font = font; }

private:
    const TFittedPage& m_page;
    TCanvasFont m_font;
};

} // namespace

std::vector<TFittedText> FittedTexts(const TFittedPage& page)
{
    TTextCollector collector(page);
    // One object at a time, so that every text knows the kind of its object.
    for (const TFittedObject& object : page.Objects) {
        TFittedPage one;
        one.PaperWidth = page.PaperWidth;
        one.PaperHeight = page.PaperHeight;
        one.Objects.push_back(object);
        collector.Kind = object.Kind;
        DrawPage(one, collector);
    }
    return std::move(collector.Texts);
}

QByteArray FittedTextsReport(const TFittedPage& page)
{
    constexpr double Points = 72.0;
    QString out = QStringLiteral("paper\t%1\t%2\n").arg(page.PaperWidth * Points).arg(page.PaperHeight * Points);
    TOutlineMetrics metrics;
    for (const TFittedText& t : FittedTexts(page)) {
        metrics.setFont(t.Font);
        out += QStringLiteral("%1\t%2\t%3\t%4\t%5\t%6\t%7\t%8\n")
                   .arg(t.Kind)
                   .arg(t.Font.Size)
                   .arg(t.X * Points, 0, 'f', 3)
                   .arg(t.Baseline * Points, 0, 'f', 3)
                   .arg(t.Width * Points, 0, 'f', 3)
                   .arg(metrics.ascent() * Points, 0, 'f', 3)
                   .arg(metrics.descent() * Points, 0, 'f', 3)
                   .arg(Ansi::plainText(t.Text));   // one row of eight columns whatever the text holds
    }
    return out.toUtf8();
}
