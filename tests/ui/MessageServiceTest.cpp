#include "ui/QtMessageService.h"
#include "uisupport/ModalWatchdog.h"
#include "uisupport/UiTestEnvironment.h"

#include <QFile>
#include <QFileDialog>
#include <QTest>

using MessageServiceTest = UiTest;

TEST_F(MessageServiceTest, InstalledServiceRecordsMessagesAndAnswersFromTheScript)
{
    MessageService::error(nullptr, QStringLiteral("Unable to save puzzle."));
    messages.answers.push_back(MessageService::Button::Yes);
    EXPECT_TRUE(MessageService::askYesNo(nullptr, QStringLiteral("Delete it?"), QStringLiteral("Delete")));
    EXPECT_FALSE(MessageService::askYesNo(nullptr, QStringLiteral("Again?"), QStringLiteral("Delete")));
    ASSERT_EQ(messages.shown.size(), 3);
    EXPECT_EQ(messages.shown[0].caption, QStringLiteral("Error"));
    EXPECT_EQ(messages.texts().at(1), QStringLiteral("Delete it?"));
    messages.files.push_back(startPath(QStringLiteral("a.QV3")));
    EXPECT_EQ(MessageService::instance().openFileName(nullptr, {QStringLiteral("Open Puzzle Group"), {}, {}, {}, true, {}}),
              startPath(QStringLiteral("a.QV3")));
    EXPECT_TRUE(MessageService::instance().saveFileName(nullptr, {}).isEmpty());
}

TEST_F(MessageServiceTest, TheProgramsFileChooserRefusesANameBeforeAskingToReplaceIt)
{
    const QString open = startPath(QStringLiteral("OPEN.QV3"));
    const QString other = startPath(QStringLiteral("NEW.QV3"));
    QFile file(open);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    FileDialogRequest request{QStringLiteral("Save Crossword Puzzles"), QStringLiteral("Puzzle Collection (*.QV3)"),
                              QStringLiteral("QV3"), startDir.path(), true, {}};
    QStringList checked;
    request.refuse = [&](QWidget*, const QString& path) {
        checked.append(path);
        if (path != open)
            return false;
        MessageService::error(nullptr, QStringLiteral("Refused."));
        return true;
    };
    // Were Qt's question "... already exists" asked first, accept() would wait on it until the watchdog closes it.
    ModalWatchdog watchdog(5000);
    bool stayedOpen = false;
    QTimer::singleShot(0, [&] {
        auto* chooser = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(chooser, nullptr);
        chooser->selectFile(open);
        static_cast<QDialog*>(chooser)->accept(); // the dialog's own accept, as its Save button runs it
        stayedOpen = chooser->isVisible();
        chooser->selectFile(other);
        static_cast<QDialog*>(chooser)->accept(); // the dialog's own accept, as its Save button runs it
    });
    QtMessageService service;
    EXPECT_EQ(service.saveFileName(nullptr, request), other);
    EXPECT_FALSE(watchdog.fired());
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(checked, (QStringList{open, other}));
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Refused.")});
}

TEST_F(MessageServiceTest, EnterOnTheProgramsQuestionPressesItsFirstListedButton)
{
    // A discard question lists No first: a hasty Enter keeps the work; a plain Yes/No question answers Yes.
    QtMessageService service;
    ModalWatchdog watchdog(5000);
    for (const auto& [buttons, expected] :
         {std::pair{QList{MessageService::Button::No, MessageService::Button::Yes}, MessageService::Button::No},
          std::pair{QList{MessageService::Button::Yes, MessageService::Button::No}, MessageService::Button::Yes}}) {
        QTimer::singleShot(0, [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Return); });
        EXPECT_EQ(service.ask(nullptr, QStringLiteral("Discard them?"), QStringLiteral("Warning"), buttons,
                              MessageService::Icon::Question),
                  expected);
    }
    EXPECT_FALSE(watchdog.fired());
}
