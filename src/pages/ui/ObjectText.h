#pragma once

#include "pages/ui/ObjectDialog.h"

class QLineEdit;
class QPlainTextEdit;

/**
 * Change Text of an object: for an Across or Down Header the "Clue Headers" dialog with one box
 * of at most 25 characters, captioned with the heading's kind; for a Text object the "Text"
 * dialog with a box of at most 1000 characters whose line breaks are stored as CR LF, of which
 * the object keeps the first 999.
 */
class TObjectText : public TObjectDialog {
    Q_OBJECT
public:
    /** Longest heading text. */
    static constexpr int HeaderLength = 25;
    /** Longest text in the box, and the most a Text object keeps. */
    static constexpr int BoxLength = 1000;
    static constexpr int KeptLength = 999;

    TObjectText(AppContext& context, const TPageObject& object, QWidget* parent = nullptr);

    void accept() override;

private:
    void limitText();

    QLineEdit* m_header = nullptr;
    QPlainTextEdit* m_text = nullptr;
};
