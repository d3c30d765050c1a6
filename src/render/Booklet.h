#pragma once
// A booklet: several puzzles printed as one run, each puzzle page the page a single print gives.

#include "render/PageRenderer.h"
#include "store/Settings.h"

#include <QByteArray>
#include <QSizeF>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QPagedPaintDevice;
class QPainter;

/** Where the answers of a booklet go. */
enum class BookletAnswers {
    Back,    ///< every puzzle first, then each puzzle's answer page in the same order
    After,   ///< each puzzle's answer page right after it
    None,    ///< no answers
    Key,     ///< a compact key at the back: several small solved grids per page
};

/** The choices of a booklet run. */
struct TBookletOptions {
    BookletAnswers Answers = BookletAnswers::Back;
    bool Cover = false;
    QByteArray CoverTitle;                 ///< Windows-1252
    bool PageNumbers = false;
    std::optional<TPageLayout> Layout;     ///< one layout for every puzzle; each puzzle's own when empty
};

/** One page of a booklet: what it shows and of which puzzles (0-based positions in the booklet's order). */
struct TBookletPage {
    enum Kind { Cover, Puzzle, Answers, Key };
    Kind What = Puzzle;
    int First = 0;   ///< the puzzle; for Cover and Key the first entry or grid on the page
    int Count = 1;   ///< for Cover and Key: entries or grids on the page
};

/** Words the booklet itself prints. */
namespace BookletTexts {
inline const QString Contents = QStringLiteral("Contents");
inline const QString AnswersEntry = QStringLiteral("Answers");
inline const QString KeyEntry = QStringLiteral("Answer Key");
} // namespace BookletTexts

/**
 * Takes booklet pages one after the other: a PDF file, a printer. beginPage gives the canvas of a
 * new page of that paper, which stays valid until the next beginPage or finish.
 */
class TBookletSink {
public:
    virtual ~TBookletSink() = default;
    /** A canvas for the next page, or nullptr when the device failed. */
    virtual TPageCanvas* beginPage(QSizeF paperInches) = 0;
    /** False when the output could not be completed. */
    virtual bool finish() = 0;
};

/**
 * The sink over a paged device (QPdfWriter, QPrinter): each page takes the paper size it is
 * drawn on and goes to the device when the next one begins, so only the current page is held.
 */
class TPagedDeviceSink : public TBookletSink {
public:
    explicit TPagedDeviceSink(QPagedPaintDevice& device);
    ~TPagedDeviceSink() override;

    TPageCanvas* beginPage(QSizeF paperInches) override;
    bool finish() override;

private:
    QPagedPaintDevice& m_device;
    std::unique_ptr<QPainter> m_painter;
    std::unique_ptr<TPageCanvas> m_canvas;
};

/** The outcome of a booklet run. */
struct TBookletResult {
    bool Ok = false;
    bool Aborted = false;
    int Pages = 0;          ///< pages drawn
    QString Error;          ///< why the run stopped
    QStringList Warnings;   ///< overflow and picture warnings of the pages, each text once
};

/**
 * A booklet over chosen puzzles in a chosen order. The puzzles are read one at a time when their
 * page is drawn (the reader gives puzzle i of the booklet's order), fitted with FitPage with the
 * options Print Puzzle takes from the settings, drawn and let go: a run holds one page whatever
 * the number of puzzles.
 */
class TBooklet {
public:
    /** Reads puzzle i (0-based, booklet order); false with error set when it cannot. */
    using Reader = std::function<bool(int index, TPuzzleRecord& puzzle, QString& error)>;
    /** Told each page before it is drawn (1-based, of total); returning false aborts the run. */
    using Progress = std::function<bool(int page, int total)>;

    /**
     * titles are the puzzles' titles (Windows-1252) in booklet order, for the contents. The first
     * puzzle is read for the paper of the cover and key pages unless one layout serves all.
     */
    TBooklet(std::vector<QByteArray> titles, TBookletOptions options, const Settings& settings, Reader reader);

    const std::vector<TBookletPage>& pages() const { return m_pages; }
    const TBookletOptions& options() const { return m_options; }
    /** Empty when the booklet can be drawn; else why not (the first puzzle could not be read). */
    const QString& error() const { return m_error; }

    /** Paper of a page in inches (reads the puzzle of a puzzle or answer page). */
    QSizeF paperOf(int page);
    /** Draws page (0-based) onto the canvas; warnings, when given, collects the page's warnings. */
    bool drawPage(int page, TPageCanvas& canvas, QStringList* warnings, QString& error);
    /** Draws every page in order onto the sink. */
    TBookletResult run(TBookletSink& sink, const Progress& progress = {});

    /** Grids of the answer key on one page (columns x rows) for paper of that shape. */
    static QSize keyGrid(QSizeF paper);
    /** Contents lines on one cover page of that paper; the first page also holds the title. */
    static int contentsLines(QSizeF paper, bool firstPage);

private:
    void plan();
    bool readPuzzle(int index, TPuzzleRecord& puzzle, QString& error);
    /** Reads the puzzle and fits its page, with or without answers. */
    bool fitPuzzle(int index, bool answers, TFittedPage& fitted, QString& error);
    /** Contents entries (title, 1-based page) in page order. */
    std::vector<std::pair<QString, int>> contentsEntries() const;
    void drawCover(const TBookletPage& page, TPageCanvas& canvas) const;
    bool drawKey(const TBookletPage& page, TPageCanvas& canvas, QString& error);
    void drawFooter(int page, TPageCanvas& canvas) const;

    std::vector<QByteArray> m_titles;
    TBookletOptions m_options;
    Settings m_settings;
    Reader m_reader;
    QSizeF m_frontPaper;
    std::vector<TBookletPage> m_pages;
    QString m_error;
};

/** The puzzle's solved grid, small, with its title above it, in the box (inches): one entry of the answer key. */
void DrawKeyGrid(const TPuzzleRecord& puzzle, const QRectF& box, TPageCanvas& canvas);
