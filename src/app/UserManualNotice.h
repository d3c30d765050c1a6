#pragma once

#include <QDialog>

class AppContext;

/**
 * The "User Manual Notice" window: explains that the user manual is a PDF document.
 * "&Ok" accepts (the caller then opens the manual), "&Cancel" rejects.
 */
class TUserManualNotice : public QDialog {
    Q_OBJECT

public:
    explicit TUserManualNotice(AppContext& context, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    AppContext& m_context;
};
