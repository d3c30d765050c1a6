#pragma once

#include <QDialog>
#include <QString>

class AppContext;

/**
 * The product information windows of the Help menu: "About Quorvex" (program name, version, the Qt
 * version it runs on and the licence), "Other Products" and "Order" (short notices: the program is
 * not sold, so there is nothing else to buy and no order form).
 */
class TProductInfo : public QDialog {
    Q_OBJECT

public:
    enum Kind { About, OtherProducts, Order };

    TProductInfo(AppContext& context, Kind kind, QWidget* parent = nullptr);

    /** The program's version, as the build names it. */
    static QString Version();
    /** The text a window of a kind shows (plain text, paragraphs apart by blank lines). */
    static QString TextOf(Kind kind);

protected:
    void showEvent(QShowEvent* event) override;

private:
    AppContext& m_context;
};
