#pragma once
// A widget that shows the miniature of a page layout.

#include "pages/PageLayout.h"

#include <QWidget>
#include <optional>

/** Draws a layout's thumbnail over its whole area in the window background colour; empty when no layout is set. */
class TLayoutThumbnail : public QWidget {
    Q_OBJECT
public:
    explicit TLayoutThumbnail(QWidget* parent = nullptr);

    /** Shows a layout, or nothing when empty, and repaints. */
    void setPageLayout(const std::optional<TPageLayout>& layout);
    /** The layout shown, if any. */
    const std::optional<TPageLayout>& pageLayout() const { return m_layout; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<TPageLayout> m_layout;
};

/** The legend of the thumbnail colours: a swatch and a label for each of the seven entries. */
class TThumbnailLegend : public QWidget {
    Q_OBJECT
public:
    explicit TThumbnailLegend(QWidget* parent = nullptr);
};
