#pragma once
// What the import and export dialogs share: the titles of a collection, sorted, several selectable
// at once, "&Select All" and "C&lear All", and a command button that follows the selection.

#include <QDialog>
#include <vector>

class AppContext;
class QLabel;
class QListWidget;
class QPushButton;
class QVBoxLayout;

/**
 * A modal dialog listing the titles of a collection (read-only, in the program's list order), each
 * carrying its record number; a file that cannot be opened lists nothing. A plain click chooses a
 * title or takes it out of the choice, and a line beside the buttons counts the titles chosen.
 * "&Select All" selects every title and "C&lear All" none; the command button starts disabled and is enabled exactly
 * while a title is selected; the close button rejects the dialog. Prepared (fonts, scale, centre)
 * when first shown.
 */
class TPuzzleChoiceDialog : public QDialog {
    Q_OBJECT
public:
    /** Record numbers of the selected titles, in list order. */
    std::vector<qint64> SelectedRecords() const;

protected:
    /** Button captions and object names: the command ("&Ok", "OkButton") and the close button. */
    struct Buttons {
        const char* CommandCaption;
        const char* CommandName;
        const char* CloseCaption;
        const char* CloseName;
    };

    TPuzzleChoiceDialog(AppContext& context, const QString& collection, const Buttons& buttons, QWidget* parent);

    /** What the command button does. */
    virtual void CommandClick() = 0;

    void showEvent(QShowEvent* event) override;

    AppContext& m_context;
    /** The dialog's rows, top to bottom: the list with its buttons, then the command row. */
    QVBoxLayout* m_rows = nullptr;

private:
    bool m_shown = false;
    QListWidget* m_list = nullptr;
    QLabel* m_chosen = nullptr;
    QPushButton* m_command = nullptr;
};
