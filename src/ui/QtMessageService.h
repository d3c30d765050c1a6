#pragma once

#include "ui/MessageService.h"

/** The program's message service: QMessageBox, QFileDialog and the system beep. */
class QtMessageService : public MessageService {
public:
    void inform(QWidget* parent, const QString& text, const QString& caption, Icon icon) override;
    Button ask(QWidget* parent, const QString& text, const QString& caption, const QList<Button>& buttons,
               Icon icon) override;
    QString openFileName(QWidget* parent, const FileDialogRequest& request) override;
    QString saveFileName(QWidget* parent, const FileDialogRequest& request) override;
    void beep() override;
};
