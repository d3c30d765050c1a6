#pragma once
// One undoable edit of the page designer: the objects before and after it.

#include "pages/PageLayout.h"

#include <QUndoCommand>
#include <array>
#include <functional>

/** The placed objects of a layout at one moment. */
struct TObjectState {
    std::int16_t ObjectCount = 0;
    std::array<TPageObject, PageLimits::Objects> Objects{};

    /** The objects of a layout. */
    static TObjectState of(const TPageLayout& layout);
    /** Whether two states hold the same objects. */
    bool sameObjects(const TObjectState& other) const;
};

/**
 * A designer edit on the undo stack: undo restores the objects as they were before it, redo as
 * they were after it. Pushing it changes nothing, since the edit is already on the page.
 */
class TDesignEdit : public QUndoCommand {
public:
    using Restore = std::function<void(const TObjectState&)>;

    TDesignEdit(const QString& text, TObjectState before, TObjectState after, Restore restore);

    void undo() override;
    void redo() override;

    /**
     * Rescales both states as the page was rescaled (zoom or unit change), so that undoing an
     * older edit restores it at the scale now shown.
     */
    void rescale(double factor);

private:
    TObjectState m_before;
    TObjectState m_after;
    Restore m_restore;
    bool m_pushed = false;
};
