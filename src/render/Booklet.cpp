#include "render/Booklet.h"

#include "pages/PageFile.h"
#include "render/PageCanvasPainter.h"
#include "render/RenderSettings.h"
#include "store/Ansi.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

TPagedDeviceSink::TPagedDeviceSink(QPagedPaintDevice& device)
    : m_device(device)
{
}

TPagedDeviceSink::~TPagedDeviceSink()
{
    if (m_painter && m_painter->isActive())
        m_painter->end();
}

TPageCanvas* TPagedDeviceSink::beginPage(QSizeF paper)
{
    m_canvas.reset();
    const QPageSize size(QSizeF(std::min(paper.width(), paper.height()), std::max(paper.width(), paper.height())),
                         QPageSize::Inch, QString(), QPageSize::FuzzyMatch);
    const QPageLayout layout(size, paper.width() > paper.height() ? QPageLayout::Landscape : QPageLayout::Portrait,
                             QMarginsF(0, 0, 0, 0), QPageLayout::Inch);
    // The size applies to the page that begins next: before the painter starts, or before newPage.
    m_device.setPageLayout(layout);
    if (!m_painter) {
        m_painter = std::make_unique<QPainter>();
        if (!m_painter->begin(&m_device))
            return nullptr;
    } else if (!m_device.newPage()) {
        return nullptr;
    }
    m_canvas = std::make_unique<TPainterCanvas>(*m_painter, paper, m_device.logicalDpiX());
    return m_canvas.get();
}

bool TPagedDeviceSink::finish()
{
    m_canvas.reset();
    return m_painter && m_painter->end();
}

TBooklet::TBooklet(std::vector<QByteArray> titles, TBookletOptions options, const Settings& settings, Reader reader)
    : m_titles(std::move(titles))
    , m_options(std::move(options))
    , m_settings(settings)
    , m_reader(std::move(reader))
{
    // The cover and the answer key take the paper of the common layout, else of the first puzzle.
    if (m_options.Layout) {
        m_frontPaper = RenderPaperSize(*m_options.Layout);
    } else if (!m_titles.empty()) {
        TPuzzleRecord first;
        if (readPuzzle(0, first, m_error))
            m_frontPaper = RenderPaperSize(PuzzleLayout(first));
    }
    plan();
}

bool TBooklet::readPuzzle(int index, TPuzzleRecord& puzzle, QString& error)
{
    if (!m_reader(index, puzzle, error))
        return false;
    if (m_options.Layout)
        SetLayoutOfPuzzle(puzzle, *m_options.Layout);
    return true;
}

QSize TBooklet::keyGrid(QSizeF paper)
{
    return paper.width() > paper.height() ? QSize(3, 2) : QSize(2, 3);
}

void TBooklet::plan()
{
    m_pages.clear();
    const int puzzles = int(m_titles.size());
    if (m_options.Cover && m_frontPaper.isValid()) {
        const int entries = puzzles + (m_options.Answers == BookletAnswers::Back || m_options.Answers == BookletAnswers::Key);
        int listed = 0;
        do {
            const int lines = std::max(1, contentsLines(m_frontPaper, listed == 0));
            const int count = std::min(lines, entries - listed);
            m_pages.push_back({TBookletPage::Cover, listed, count});
            listed += count;
        } while (listed < entries);
    }
    for (int i = 0; i < puzzles; ++i) {
        m_pages.push_back({TBookletPage::Puzzle, i, 1});
        if (m_options.Answers == BookletAnswers::After)
            m_pages.push_back({TBookletPage::Answers, i, 1});
    }
    if (m_options.Answers == BookletAnswers::Back) {
        for (int i = 0; i < puzzles; ++i)
            m_pages.push_back({TBookletPage::Answers, i, 1});
    }
    if (m_options.Answers == BookletAnswers::Key && m_frontPaper.isValid()) {
        const QSize grid = keyGrid(m_frontPaper);
        const int perPage = grid.width() * grid.height();
        for (int i = 0; i < puzzles; i += perPage)
            m_pages.push_back({TBookletPage::Key, i, std::min(perPage, puzzles - i)});
    }
}

std::vector<std::pair<QString, int>> TBooklet::contentsEntries() const
{
    std::vector<std::pair<QString, int>> entries;
    bool answersListed = false;
    for (int p = 0; p < int(m_pages.size()); ++p) {
        const TBookletPage& page = m_pages[std::size_t(p)];
        if (page.What == TBookletPage::Puzzle) {
            entries.emplace_back(Ansi::toUnicode(m_titles[std::size_t(page.First)]), p + 1);
        } else if (!answersListed && m_options.Answers != BookletAnswers::After
                   && (page.What == TBookletPage::Answers || page.What == TBookletPage::Key)) {
            entries.emplace_back(page.What == TBookletPage::Key ? BookletTexts::KeyEntry : BookletTexts::AnswersEntry, p + 1);
            answersListed = true;
        }
    }
    return entries;
}

bool TBooklet::fitPuzzle(int index, bool answers, TFittedPage& fitted, QString& error)
{
    TPuzzleRecord puzzle;
    if (!readPuzzle(index, puzzle, error))
        return false;
    const TPageLayout layout = PuzzleLayout(puzzle);
    // The options a single print of the puzzle takes from the settings, with or without the answers.
    TRenderOptions options = RenderOptionsFromSettings(m_settings, layout);
    options.AnswerKey = answers;
    options.PartialAnswers = false;
    options.PartialLetters = false;
    fitted = FitPage(puzzle, layout, options);
    return true;
}

QSizeF TBooklet::paperOf(int page)
{
    const TBookletPage& p = m_pages.at(std::size_t(page));
    if (p.What == TBookletPage::Cover || p.What == TBookletPage::Key)
        return m_frontPaper;
    if (m_options.Layout)
        return m_frontPaper;
    TPuzzleRecord puzzle;
    QString error;
    return readPuzzle(p.First, puzzle, error) ? RenderPaperSize(PuzzleLayout(puzzle)) : m_frontPaper;
}

bool TBooklet::drawPage(int page, TPageCanvas& canvas, QStringList* warnings, QString& error)
{
    const TBookletPage& p = m_pages.at(std::size_t(page));
    switch (p.What) {
    case TBookletPage::Cover:
        drawCover(p, canvas);
        break;
    case TBookletPage::Key:
        if (!drawKey(p, canvas, error))
            return false;
        break;
    case TBookletPage::Puzzle:
    case TBookletPage::Answers: {
        TFittedPage fitted;
        if (!fitPuzzle(p.First, p.What == TBookletPage::Answers, fitted, error))
            return false;
        DrawPage(fitted, canvas);
        if (warnings)
            *warnings << fitted.runWarnings();
        break;
    }
    }
    drawFooter(page, canvas);
    return true;
}

TBookletResult TBooklet::run(TBookletSink& sink, const Progress& progress)
{
    TBookletResult result;
    if (!m_error.isEmpty()) {
        result.Error = m_error;
        return result;
    }
    const int total = int(m_pages.size());
    for (int page = 0; page < total; ++page) {
        if (progress && !progress(page + 1, total)) {
            result.Aborted = true;
            return result;
        }
        const TBookletPage& p = m_pages[std::size_t(page)];
        TPageCanvas* canvas = nullptr;
        if (p.What == TBookletPage::Puzzle || p.What == TBookletPage::Answers) {
            // Fitted before the page begins: the page takes the paper the puzzle was fitted on.
            TFittedPage fitted;
            if (!fitPuzzle(p.First, p.What == TBookletPage::Answers, fitted, result.Error))
                return result;
            canvas = sink.beginPage(QSizeF(fitted.PaperWidth, fitted.PaperHeight));
            if (canvas) {
                DrawPage(fitted, *canvas);
                drawFooter(page, *canvas);
                result.Warnings << fitted.runWarnings();
            }
        } else {
            canvas = sink.beginPage(m_frontPaper);
            if (canvas && !drawPage(page, *canvas, &result.Warnings, result.Error))
                return result;
        }
        if (!canvas) {
            result.Error = QStringLiteral("The page could not be started.");
            return result;
        }
        ++result.Pages;
    }
    result.Warnings.removeDuplicates();
    if (!sink.finish()) {
        result.Error = QStringLiteral("The pages could not be finished.");
        return result;
    }
    result.Ok = true;
    return result;
}
