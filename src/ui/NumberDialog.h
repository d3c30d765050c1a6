#pragma once

#include <QDialog>
#include <QSize>
#include <QString>

class AppContext;
class QLineEdit;

/**
 * The one small dialog that asks for a whole number: a label with its field, an optional
 * explanation, an accepting button and "&Cancel". The accepting button refuses a value outside
 * [Minimum, Maximum] (anything that is not a whole number counts as 0) with the Refusal text
 * and keeps the dialog open with the focus on the field. The copies, picture width and JPEG
 * factor dialogs are set-ups of it.
 */
class TNumberDialog : public QDialog {
    Q_OBJECT
public:
    /** What one number dialog shows and accepts. */
    struct Setup {
        QString ObjectName;
        QString Caption;
        QString Label;
        QString FieldName;
        int Digits = 3;               ///< most characters the field takes
        int Preset = 0;
        QString Explanation;          ///< word-wrapped text under the field; none when empty
        QString AcceptText;
        QString AcceptName;
        int Minimum = 1;
        int Maximum = 0;              ///< no upper bound when below Minimum
        QString Refusal;
        QSize DesignSize;             ///< unscaled size
    };

    TNumberDialog(AppContext& context, const Setup& setup, QWidget* parent = nullptr);
    /** The accepted number. */
    int Value() const { return m_value; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void AcceptClick();
    AppContext& m_context;
    Setup m_setup;
    QLineEdit* m_field = nullptr;
    int m_value = 0;
};
