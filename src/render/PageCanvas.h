#pragma once
// The drawing surface of one printed page, measured in inches.

#include <QFont>
#include <QImage>
#include <QRectF>
#include <QString>
#include <cstdint>

/** A font as the page canvas takes it: face, size in points, colour 0x00BBGGRR and four styles. */
struct TCanvasFont {
    QString Name;
    int Size = 12;
    std::uint32_t Color = 0;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;

    bool operator==(const TCanvasFont&) const = default;

    /**
     * The Qt font of this face and style (Arial when no face is named), unhinted and without
     * kerning so that measured widths do not depend on the device. The caller sets the size.
     */
    QFont toQFont() const;
};

/**
 * Text measuring in inches for the current font: what fitting a page asks of a font. The page
 * canvases answer it with outline metrics (TOutlineMetrics), so a page fits the same on every device.
 */
class TTextMeasure {
public:
    virtual ~TTextMeasure() = default;

    /** Selects the font for the following measuring calls. */
    virtual void setFont(const TCanvasFont& font) = 0;
    /** Advance width of the text in the current font; an empty text measures as one device pixel. */
    virtual double textWidth(const QString& text) = 0;
    /** Height of the text's extent in the current font (the font's cell height). */
    virtual double textHeight(const QString& text) = 0;
    /** Metrics of the current font. */
    virtual double ascent() = 0;
    virtual double descent() = 0;
    virtual double lineHeight() = 0;
};

/**
 * A page canvas: every coordinate is in inches from the paper's top-left corner, y grows
 * downwards, and text is placed by its left end and its baseline. The page renderer measures
 * and draws only through these operations, so the printer, the preview, raster images, PDF,
 * SVG and metafiles all come from the same drawing code.
 */
class TPageCanvas : public TTextMeasure {
public:

    /** Size of the selected paper in inches. */
    virtual double paperWidth() const = 0;
    virtual double paperHeight() const = 0;

    /** Transparent text leaves what is under it; opaque text first paints its box in the page colour. */
    virtual void setTextTransparent(bool transparent) = 0;
    /** Draws the text with its left end at x and its baseline at y, in the current font and colour. */
    virtual void textOut(double x, double y, const QString& text) = 0;
    /**
     * Draws a text whose fitted width is width inches. A canvas whose device would draw it wider
     * narrows it to that width, so no text leaves the room it was fitted into.
     */
    virtual void fittedTextOut(double x, double y, const QString& text, double width)
    {
        Q_UNUSED(width);
        textOut(x, y, text);
    }

    /** Colour of the 1-pixel lines and outlines drawn next. */
    virtual void setPenColor(std::uint32_t color) = 0;
    virtual void moveTo(double x, double y) = 0;
    /** A 1-pixel line from the current point to (x, y), which becomes the current point. */
    virtual void lineTo(double x, double y) = 0;

    virtual void fillRectangle(const QRectF& rect, std::uint32_t color) = 0;
    virtual void fillEllipse(const QRectF& rect, std::uint32_t color) = 0;
    /** A 1-pixel ellipse outline inside the rectangle, in the pen colour. */
    virtual void outlineEllipse(const QRectF& rect) = 0;

    /** Converts an inch coordinate to the device pixel grid and back. */
    virtual int toDeviceX(double x) const = 0;
    virtual int toDeviceY(double y) const = 0;
    virtual double fromDeviceX(int x) const = 0;
    virtual double fromDeviceY(int y) const = 0;

    /** Draws the picture scaled into the rectangle. */
    virtual void stretchImage(const QRectF& rect, const QImage& image) = 0;

    /** The four edges of a rectangle as 1-pixel lines in the pen colour. */
    void outlineRectangle(const QRectF& rect)
    {
        moveTo(rect.left(), rect.top());
        lineTo(rect.right(), rect.top());
        lineTo(rect.right(), rect.bottom());
        lineTo(rect.left(), rect.bottom());
        lineTo(rect.left(), rect.top());
    }
};
