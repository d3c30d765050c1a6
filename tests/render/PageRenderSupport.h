#pragma once
// Test support for the page renderer: a canvas with fixed metrics that records every call, the
// built-in default layout as a page file would hold it, and a small hand-made puzzle.

#include "render/PageCanvas.h"
#include "render/PageFit.h"
#include "pages/PageLayout.h"
#include "store/PuzzleRecord.h"

#include <QLineF>
#include <QPointF>
#include <QString>
#include <cmath>
#include <stdexcept>
#include <vector>

/**
 * A page canvas whose every character is Size/144 inch wide and whose font is 1.2 x Size/72 inch
 * high (ascent Size/72, descent 0.2 x Size/72), on a grid of Dpi dots per inch.
 */
class TRecordingCanvas : public TPageCanvas {
public:
    struct Text {
        double X;
        double Y;
        QString Text;
        TCanvasFont Font;
    };
    struct Line {
        QPoint From;   ///< device pixels
        QPoint To;
        std::uint32_t Color;
    };
    struct Fill {
        QRectF Rect;
        std::uint32_t Color;
        bool Ellipse;
    };

    explicit TRecordingCanvas(double paperWidth = 8.5, double paperHeight = 11.0, double dpi = 100.0)
        : m_width(paperWidth), m_height(paperHeight), m_dpi(dpi)
    {
    }

    double paperWidth() const override { return m_width; }
    double paperHeight() const override { return m_height; }
    void setFont(const TCanvasFont& font) override { m_font = font; }
    double textWidth(const QString& text) override
    {
        return text.isEmpty() ? 1.0 / m_dpi : text.size() * charWidth(m_font.Size);
    }
    double textHeight(const QString&) override { return 1.2 * m_font.Size / 72.0; }
    double ascent() override { return m_font.Size / 72.0; }
    double descent() override { return 0.2 * m_font.Size / 72.0; }
    double lineHeight() override { return 1.2 * m_font.Size / 72.0; }
    void setTextTransparent(bool transparent) override { m_transparent = transparent; }
    void textOut(double x, double y, const QString& text) override { Texts.push_back({x, y, text, m_font}); }
    void setPenColor(std::uint32_t color) override { m_pen = color; }
    void moveTo(double x, double y) override { m_at = QPoint(toDeviceX(x), toDeviceY(y)); }
    void lineTo(double x, double y) override
    {
        const QPoint to(toDeviceX(x), toDeviceY(y));
        Lines.push_back({m_at, to, m_pen});
        m_at = to;
    }
    void fillRectangle(const QRectF& rect, std::uint32_t color) override { Fills.push_back({rect, color, false}); }
    void fillEllipse(const QRectF& rect, std::uint32_t color) override { Fills.push_back({rect, color, true}); }
    void outlineEllipse(const QRectF& rect) override { Ellipses.push_back(rect); }
    int toDeviceX(double x) const override { return int(std::floor(x * m_dpi + 1e-6)); }
    int toDeviceY(double y) const override { return int(std::floor(y * m_dpi + 1e-6)); }
    double fromDeviceX(int x) const override { return x / m_dpi; }
    double fromDeviceY(int y) const override { return y / m_dpi; }
    void stretchImage(const QRectF& rect, const QImage&) override { Images.push_back(rect); }

    /** Width of one character at a size, inches. */
    static double charWidth(int size) { return size / 144.0; }
    /** Height of the sample string at a size, inches. */
    static double rowHeight(int size) { return 1.2 * size / 72.0; }

    /** Texts drawn in fonts of the given size. */
    std::vector<Text> textsOfSize(int size) const;
    /** True when some text equal to s was drawn. */
    bool drew(const QString& s) const;

    std::vector<Text> Texts;
    std::vector<Line> Lines;
    std::vector<Fill> Fills;
    std::vector<QRectF> Ellipses;
    std::vector<QRectF> Images;

private:
    double m_width;
    double m_height;
    double m_dpi;
    TCanvasFont m_font;
    bool m_transparent = true;
    std::uint32_t m_pen = 0;
    QPoint m_at;
};

namespace RenderTest {

/** A page object as the designer creates it: Arial 12 black, centred, transparent, MakeFit. */
TPageObject makeObject(std::int16_t kind, const char* name, int left, int top, int right, int bottom);

/**
 * The built-in default layout: Letter 408 x 528 design pixels; Title, Puzzle, Across Header,
 * Down Header, Across Clues, Down Clues.
 */
TPageLayout defaultLayout();

/** A layout of Letter 408 x 528 holding only the given object. */
TPageLayout singleObjectLayout(const TPageObject& object);

/**
 * A constructed 5 x 5 puzzle: X-RAY and NORMS across, XENON, RADAR and YEARS down, numbered
 * 1..4, with the default layout in its PageLayout bytes.
 */
TPuzzleRecord samplePuzzle();

/** The sample puzzle as an older build could store it: ORMS (across, number 5) lies inside NORMS. */
TPuzzleRecord nestedPuzzle();

/** Stores a word in slot (1-based) with its clue, number, start cell, direction and used flag. */
void setSlot(TPuzzleRecord& puzzle, int slot, const char* word, const char* clue, int number, int startCell,
             bool across);

/** The body of the first fitted object of a kind; fails the test when there is none. */
template <typename T>
const T& bodyOf(const TFittedPage& page, std::int16_t kind)
{
    for (const TFittedObject& f : page.Objects) {
        if (f.Kind == kind && std::holds_alternative<T>(f.Body))
            return std::get<T>(f.Body);
    }
    throw std::runtime_error("no fitted object of that kind");
}

/** The first fitted object of a kind, or nullptr. */
const TFittedObject* objectOf(const TFittedPage& page, std::int16_t kind);

/** Path of a program found on PATH, or empty. */
QString findProgram(const QString& name);

} // namespace RenderTest
