#pragma once
// "Booklet Preview": the pages of a booklet, one at a time.

#include <QDialog>
#include <QImage>
#include <memory>

class AppContext;
class QLabel;
class QPushButton;
class QScrollArea;
class TBooklet;

/**
 * Shows every page of a booklet, one at a time, drawn when it is shown ("&Previous", "&Next",
 * "Page n of m"), the whole page fitted into the window. "&Print" asks the booklet window to print.
 */
class TBookletPreview : public QDialog {
    Q_OBJECT

public:
    TBookletPreview(AppContext& context, std::shared_ptr<TBooklet> booklet, QWidget* parent = nullptr);

    /** 0-based page shown. */
    int CurrentPage() const { return m_page; }
    int PageCount() const;
    /** The picture of the page shown, as drawn for the window. */
    const QImage& PageImage() const { return m_image; }

signals:
    void PrintRequested();

public slots:
    void ShowPage(int page);
    void NextClick() { ShowPage(m_page + 1); }
    void PreviousClick() { ShowPage(m_page - 1); }

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Redraw();

    AppContext& m_context;
    std::shared_ptr<TBooklet> m_booklet;
    int m_page = 0;
    bool m_shown = false;
    QImage m_image;
    QScrollArea* m_scroll = nullptr;
    QLabel* m_picture = nullptr;
    QLabel* m_pageLabel = nullptr;
    QPushButton* m_previous = nullptr;
    QPushButton* m_next = nullptr;
};
