#pragma once

#include <QDialog>
#include <functional>

class AppContext;
class QLabel;
class QPushButton;

/**
 * The "Metafile Creation" window: shows "Creating Metafile...  Please Wait." while its work runs
 * (started when the window is shown), then "Metafile Created" and an enabled "&Ok" that closes it.
 * When the work fails it reports the error text and closes.
 */
class TMetafileCreation : public QDialog {
    Q_OBJECT
public:
    /** The work: returns an empty string on success, else the error text to show. */
    using Work = std::function<QString()>;

    TMetafileCreation(AppContext& context, Work work, QWidget* parent = nullptr);

    /** True when the work ran and succeeded. */
    bool Created() const { return m_created; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void RunWork();

    AppContext& m_context;
    Work m_work;
    QLabel* m_status = nullptr;
    QPushButton* m_ok = nullptr;
    bool m_started = false;
    bool m_created = false;
};
