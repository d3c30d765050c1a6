#pragma once
// A page canvas that records into a Windows metafile (WMF) or enhanced metafile (EMF).

#include "render/PageCanvas.h"
#include "render/PageMetrics.h"

#include <QByteArray>
#include <QFont>
#include <QFontMetricsF>
#include <QSize>
#include <QSizeF>
#include <memory>
#include <optional>

/** The two metafile formats. */
enum class MetafileKind { Emf, Wmf };

/** Fixed values of every metafile the program writes. */
namespace MetafileLimits {
constexpr int UnitsPerInch = 96;            ///< metafile units (logical and device) per inch
constexpr double PhysicalScale = 1.2;       ///< the declared physical size is 1.2 x the page
constexpr int HundredthsMmPerInch = 2540;
constexpr int MaxCoordinate = 32767;        ///< WMF coordinates are 16-bit; EMF ones are clamped alike
/** Creator and description texts recorded in the metafile. */
inline const QString Creator = QStringLiteral("Crossword Puzzle");
inline const QString Description = QStringLiteral("Quorvex 98");
} // namespace MetafileLimits

/**
 * A page canvas recording GDI records through libUEMF: 96 units per inch, the page as
 * Trunc(width x 96) by Trunc(height x 96) units, and a declared physical size of
 * Trunc(inches x 2540 x 1.2) hundredths of a millimetre. Text is measured in outline metrics,
 * and every character's advance is recorded with it, so a reader lays the text out as wide as
 * it was fitted, whatever its own fonts measure. Besides the inch-based canvas operations it offers whole-unit ones, which
 * the metafile replay of a fitted page uses to place text by its top-left corner.
 */
class TMetafileCanvas : public TOutlineCanvas {
public:
    TMetafileCanvas(MetafileKind kind, QSizeF paperInches);
    ~TMetafileCanvas() override;
    TMetafileCanvas(const TMetafileCanvas&) = delete;
    TMetafileCanvas& operator=(const TMetafileCanvas&) = delete;

    /** False when the recorder could not be started; the canvas then records nothing. */
    bool isValid() const;
    MetafileKind kind() const { return m_kind; }
    /** The page in metafile units and the declared physical size in hundredths of a millimetre. */
    QSize pageUnits() const { return m_units; }
    QSize physicalSize() const { return m_physical; }

    /** Ends the recording and returns the file bytes; empty when recording failed. Call once. */
    QByteArray finish();

    // The page canvas, in inches.
    double paperWidth() const override { return m_paper.width(); }
    double paperHeight() const override { return m_paper.height(); }
    void setTextTransparent(bool transparent) override;
    void textOut(double x, double y, const QString& text) override;
    void setPenColor(std::uint32_t color) override;
    void moveTo(double x, double y) override;
    void lineTo(double x, double y) override;
    void fillRectangle(const QRectF& rect, std::uint32_t color) override;
    void fillEllipse(const QRectF& rect, std::uint32_t color) override;
    void outlineEllipse(const QRectF& rect) override;
    int toDeviceX(double x) const override { return toUnits(x); }
    int toDeviceY(double y) const override { return toUnits(y); }
    double fromDeviceX(int x) const override { return double(x) / MetafileLimits::UnitsPerInch; }
    double fromDeviceY(int y) const override { return double(y) / MetafileLimits::UnitsPerInch; }
    /** Pictures are never recorded in a metafile. */
    void stretchImage(const QRectF&, const QImage&) override {}

    /** Inches to metafile units: Trunc(x x 96), clamped to the coordinate range. */
    static int toUnits(double inches);

    // Whole-unit operations.
    /** Text width and height in whole units in the current font. */
    int unitTextWidth(const QString& text);
    int unitTextHeight(const QString& text);
    /** Draws text with the top-left corner of its text cell at (x, y). */
    void textAtTop(int x, int y, const QString& text);
    /** As textAtTop, the characters spread over at most width inches (the text's fitted width). */
    void fittedTextAtTop(int x, int y, const QString& text, double width);
    /** A 1-unit line in the pen colour. */
    void unitLine(int x1, int y1, int x2, int y2);
    /** The outline of the rectangle from (left, top) to (right, bottom) in the pen colour. */
    void unitFrame(int left, int top, int right, int bottom);
    /** The outline of the ellipse inside the rectangle in the pen colour. */
    void unitEllipseFrame(int left, int top, int right, int bottom);
    /** Fills the rectangle from (left, top) up to, not including, (right, bottom). */
    void unitFill(int left, int top, int right, int bottom, std::uint32_t color);
    /** Fills the ellipse inside that rectangle. */
    void unitFillEllipse(int left, int top, int right, int bottom, std::uint32_t color);

protected:
    void fontSet(const TCanvasFont& font) override;

private:
    struct Recorder;

    void useTextAlign(bool top);
    void useTextColor();
    void usePen(std::uint32_t color);
    void useBrush(std::optional<std::uint32_t> color);
    void useFont();
    void recordText(int x, int y, const QString& text, double width);
    void record(char* rec);

    MetafileKind m_kind;
    QSizeF m_paper;
    QSize m_units;
    QSize m_physical;
    std::unique_ptr<Recorder> m_rec;

    TCanvasFont m_font;
    int m_fontHeight = 16;   ///< units
    bool m_fontDirty = true;
    bool m_transparent = true;
    std::uint32_t m_penColor = 0;
    QPoint m_current;

    // What the recording has selected, to write only changes.
    std::optional<bool> m_alignTop;
    std::optional<bool> m_bkTransparent;
    std::optional<std::uint32_t> m_textColor;
    std::optional<std::uint32_t> m_selectedPen;
    std::optional<std::optional<std::uint32_t>> m_selectedBrush;
};
