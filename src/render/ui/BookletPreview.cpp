#include "render/ui/BookletPreview.h"

#include "render/Booklet.h"
#include "render/PageCanvasPainter.h"
#include "ui/AppContext.h"
#include "ui/MessageService.h"
#include "ui/WindowSetup.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>

namespace {

/** Room left around the page inside the scroll area, pixels. */
constexpr int PageFrame = 24;

} // namespace

TBookletPreview::TBookletPreview(AppContext& context, std::shared_ptr<TBooklet> booklet, QWidget* parent)
    : QDialog(parent)
    , m_context(context)
    , m_booklet(std::move(booklet))
{
    setObjectName(QStringLiteral("BookletPreview"));
    setWindowTitle(QStringLiteral("Booklet Preview"));
    setModal(true);
    m_picture = new QLabel(this);
    m_picture->setObjectName(QStringLiteral("PagePicture"));
    m_picture->setAlignment(Qt::AlignCenter);
    m_scroll = new QScrollArea(this);
    m_scroll->setWidget(m_picture);
    m_scroll->setWidgetResizable(true);
    m_scroll->setBackgroundRole(QPalette::Dark);

    m_previous = MakeDialogButton("&Previous", "PreviousButton", this, true);
    m_next = MakeDialogButton("&Next", "NextButton", this, true);
    m_pageLabel = new QLabel(this);
    m_pageLabel->setObjectName(QStringLiteral("PageNumber"));
    QPushButton* print = MakeDialogButton("&Print", "PrintButton", this, true);
    QPushButton* close = MakeDialogButton("&Close", "CloseButton", this, true);
    connect(m_previous, &QPushButton::clicked, this, &TBookletPreview::PreviousClick);
    connect(m_next, &QPushButton::clicked, this, &TBookletPreview::NextClick);
    connect(print, &QPushButton::clicked, this, &TBookletPreview::PrintRequested);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_previous);
    buttons->addWidget(m_pageLabel);
    buttons->addWidget(m_next);
    buttons->addStretch(1);
    buttons->addWidget(print);
    buttons->addWidget(close);
    auto* rows = new QVBoxLayout(this);
    rows->addWidget(m_scroll, 1);
    rows->addLayout(buttons);
    resize(640, 760);
    ShowPage(0);
}

int TBookletPreview::PageCount() const
{
    return int(m_booklet->pages().size());
}

void TBookletPreview::ShowPage(int page)
{
    m_page = std::clamp(page, 0, std::max(0, PageCount() - 1));
    m_pageLabel->setText(QStringLiteral("Page %1 of %2").arg(m_page + 1).arg(PageCount()));
    m_previous->setEnabled(m_page > 0);
    m_next->setEnabled(m_page + 1 < PageCount());
    Redraw();
}

void TBookletPreview::Redraw()
{
    if (PageCount() == 0)
        return;
    const QSizeF paper = m_booklet->paperOf(m_page);
    if (paper.isEmpty())
        return;
    // The whole page fits the view; it is drawn afresh for each page, so only the one shown is held.
    const QSize view = m_scroll->viewport()->size() - QSize(PageFrame, PageFrame);
    const double dpi = std::max(10.0, std::min(view.width() / paper.width(), view.height() / paper.height()));
    const qreal ratio = devicePixelRatioF();
    m_image = QImage(QSize(int(paper.width() * dpi * ratio), int(paper.height() * dpi * ratio)), QImage::Format_RGB32);
    m_image.fill(Qt::white);
    QString error;
    {
        QPainter painter(&m_image);
        TPainterCanvas canvas(painter, paper, dpi * ratio);
        if (!m_booklet->drawPage(m_page, canvas, nullptr, error))
            m_image.fill(Qt::white);
    }
    m_image.setDevicePixelRatio(ratio);
    m_picture->setPixmap(QPixmap::fromImage(m_image));
    if (!error.isEmpty() && isVisible())
        MessageService::error(this, error);
}

void TBookletPreview::showEvent(QShowEvent* event)
{
    if (!m_shown) {
        m_shown = true;
        PrepareDialog(this, m_context);
    }
    QDialog::showEvent(event);
    Redraw();
}

void TBookletPreview::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    if (m_shown)
        Redraw();
}
