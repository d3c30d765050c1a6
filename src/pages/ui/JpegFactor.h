#pragma once

#include <QDialog>

class AppContext;
class QLineEdit;

/**
 * The "JPEG Factor" dialog: the quality factor 1..100, preset with "JPeg Compression Quality".
 * "&Ok" stores an accepted value into that setting; a value out of range is refused with
 * "Invalid factor entered.  Factor must be between 1 and 100".
 */
class TJpegFactor : public QDialog {
    Q_OBJECT
public:
    explicit TJpegFactor(AppContext& context, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void OkClick();
    AppContext& m_context;
    QLineEdit* m_field = nullptr;
};
