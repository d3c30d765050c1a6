#include "pages/ui/DoPagesUndo.h"

#include "pages/PageDesign.h"

#include <algorithm>

TObjectState TObjectState::of(const TPageLayout& layout)
{
    TObjectState state;
    state.ObjectCount = std::int16_t(layout.usedObjects());
    state.Objects = layout.Objects;
    return state;
}

bool TObjectState::sameObjects(const TObjectState& other) const
{
    return ObjectCount == other.ObjectCount
           && std::equal(Objects.begin(), Objects.begin() + ObjectCount, other.Objects.begin());
}

TDesignEdit::TDesignEdit(const QString& text, TObjectState before, TObjectState after, Restore restore)
    : QUndoCommand(text)
    , m_before(std::move(before))
    , m_after(std::move(after))
    , m_restore(std::move(restore))
{
}

void TDesignEdit::undo()
{
    m_restore(m_before);
}

void TDesignEdit::redo()
{
    // The stack redoes a command as it is pushed; the edit is on the page already.
    if (!m_pushed) {
        m_pushed = true;
        return;
    }
    m_restore(m_after);
}

void TDesignEdit::rescale(double factor)
{
    for (TObjectState* state : {&m_before, &m_after}) {
        TPageLayout scaled;
        scaled.ObjectCount = state->ObjectCount;
        scaled.Objects = state->Objects;
        PageDesign::RescaleObjects(scaled, factor);
        state->Objects = scaled.Objects;
    }
}
