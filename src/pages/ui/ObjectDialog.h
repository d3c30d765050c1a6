#pragma once
// The common ground of the page designer's property dialogs.

#include "pages/PageLayout.h"
#include "ui/TypedTextGuard.h"

#include <QDialog>
#include <QString>

class AppContext;
class QLineEdit;

/**
 * A property dialog of one page object: it works on a copy of the object, which the caller takes
 * back with object() only when the dialog was accepted. Shown prepared (user fonts, scale, centred).
 */
class TObjectDialog : public QDialog {
    Q_OBJECT
public:
    TObjectDialog(AppContext& context, const TPageObject& object, const QString& caption, QWidget* parent);

    /** The edited copy of the object. */
    const TPageObject& object() const { return m_object; }

    /** The object's name as shown. */
    static QString nameOf(const TPageObject& object);

public slots:
    /** Cancel, Escape and the close box ask before dropping what was typed. */
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    /** Shows a refusal (caption "Error") and puts the focus on the field. */
    void refuse(const char* text, QWidget* field);
    /** A whole number above 0 from a box, or 0. */
    static int positiveNumber(const QLineEdit* box);

    AppContext& m_context;
    TPageObject m_object;
    TypedTextGuard m_typed;
};
