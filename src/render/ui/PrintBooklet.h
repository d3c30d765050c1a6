#pragma once
// The "Print Booklet" window: chosen puzzles of the collection printed, previewed or saved as one booklet.

#include "render/Booklet.h"

#include <QDialog>
#include <memory>
#include <vector>

class AppContext;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QRadioButton;
class QSpinBox;

/**
 * Lists the puzzles of the open collection in collection order with tick boxes; a plain click (or
 * Space) ticks a puzzle or takes its tick away, and "&Up" and "&Down" move the chosen row. The
 * ticked puzzles, top to bottom, make the booklet, with the page layout (each puzzle's own or one
 * of the page file for all), the answers, a cover page with a title and contents, page numbers
 * and copies chosen here. "&Print" prints it, "Pre&view" shows its pages one at a time and
 * "Save P&DF" writes it into one PDF file. Puzzles that were never constructed cannot be printed.
 */
class TPrintBooklet : public QDialog {
    Q_OBJECT

public:
    /** The answer choices, in the order of the list box. */
    static const QStringList AnswerChoices;

    /** ticked: the record numbers ticked at the start (the puzzles shown in the main window's category). */
    TPrintBooklet(AppContext& context, const std::vector<qint64>& ticked, QWidget* parent = nullptr);
    ~TPrintBooklet() override;

    /** Record numbers of the ticked puzzles, top to bottom. */
    std::vector<qint64> ChosenRecords() const;
    /** The booklet of the current choices; nullptr after an error was shown. */
    std::unique_ptr<TBooklet> MakeBooklet();

public slots:
    void PrintClick();
    void PreviewClick();
    void PdfClick();
    void UpClick();
    void DownClick();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void Toggle(QListWidgetItem* item);
    void MoveCurrent(int step);
    void EnableDisable();
    /** Shows the warnings of a run (caption "Warning") or its error; true when it succeeded. */
    bool Report(const TBookletResult& result);

    AppContext& m_context;
    bool m_shown = false;
    QString m_lastPdf;
    QListWidget* m_list = nullptr;
    QLabel* m_chosen = nullptr;
    QRadioButton* m_ownLayout = nullptr;
    QRadioButton* m_oneLayout = nullptr;
    QComboBox* m_layoutBox = nullptr;
    QComboBox* m_answersBox = nullptr;
    QCheckBox* m_cover = nullptr;
    QLineEdit* m_coverTitle = nullptr;
    QCheckBox* m_pageNumbers = nullptr;
    QSpinBox* m_copies = nullptr;
    std::vector<QWidget*> m_outputs;
};
