#pragma once

#include "store/PuzzleRecord.h"

#include <QDialog>
#include <array>

class AppContext;
class QListWidget;

/**
 * The "Partial Answer" list: the words of slots 1..WordCount as stored, several selectable, preset
 * from the flags. On acceptance flags() holds one flag per slot (slot i is element i - 1).
 */
class TPartialAnswer : public QDialog {
    Q_OBJECT

public:
    using Flags = std::array<bool, Limits::WordSlots>;

    TPartialAnswer(AppContext& context, const TPuzzleRecord& puzzle, const Flags& flags, QWidget* parent = nullptr);

    /** The selection as flags: listed slots follow their rows, the others are cleared. */
    Flags flags() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    AppContext& m_context;
    QListWidget* m_list = nullptr;
};
