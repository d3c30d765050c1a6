#pragma once

#include "store/IoResult.h"
#include "ui/TypedTextGuard.h"

#include <QDialog>

class AppContext;
class QLineEdit;
class QListWidget;

/**
 * "Dictionary Maintenance": edits the inclusion list (words counted as valid) or the exclusion
 * list (words counted as invalid) of the language whose lists are in use. "&Add" and "&Delete"
 * change the shown list; "&Ok" writes it as the new list file, "&Cancel" leaves the file alone.
 */
class TMyEditBox : public QDialog {
    Q_OBJECT
public:
    enum class ListKind { Inclusion, Exclusion };
    TMyEditBox(AppContext& context, ListKind kind, QWidget* parent = nullptr);

    /** The words as listed. */
    QStringList Words() const;

    void AddClick();
    void DeleteClick();
    /** Writes the list; a file that cannot be written is reported and the dialog stays open. */
    void OkClick();

public slots:
    /** Cancel, Escape and the close box ask before dropping added or deleted words, or a word typed. */
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QString listPath() const;

    AppContext& m_context;
    ListKind m_kind;
    IoResult m_loaded;  ///< reading the list at start; a failure keeps it from being written
    bool m_utf8 = false;
    QListWidget* m_words = nullptr;
    QLineEdit* m_addInfo = nullptr;
    /** The words as read from the list file. */
    QStringList m_read;
    TypedTextGuard m_typed;
};
