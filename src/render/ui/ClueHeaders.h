#pragma once

#include <QDialog>
#include <QString>

class AppContext;
class QLineEdit;

/**
 * The "Clue Headers" dialog: an across and a down clue header of at most 25 characters each. The
 * caller gives the caption ("Default Clue Headers" from the main window) and the preset texts, and
 * on acceptance takes the texts back, trimmed and cut to 25 characters.
 */
class TClueHeaders : public QDialog {
    Q_OBJECT

public:
    /** Longest header. */
    static constexpr int HeaderLength = 25;

    TClueHeaders(AppContext& context, const QString& caption, QWidget* parent = nullptr);

    /** Presets the two fields. */
    void SetHeaders(const QString& across, const QString& down);
    /** The across header as typed, trimmed of spaces and cut to 25 characters. */
    QString AcrossHeader() const;
    /** The down header as typed, trimmed of spaces and cut to 25 characters. */
    QString DownHeader() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    AppContext& m_context;
    QLineEdit* m_across = nullptr;
    QLineEdit* m_down = nullptr;
};
