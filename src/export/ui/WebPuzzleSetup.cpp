#include "export/ui/WebPuzzleSetup.h"

#include "ui/AppContext.h"
#include "ui/WindowSetup.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TWebPuzzleSetup::TWebPuzzleSetup(AppContext& context, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("WebPuzzleSetup"));
    setWindowTitle(QStringLiteral("Web Puzzle"));
    setModal(true);
    Settings& settings = context.settings;

    auto* explanation = new QLabel(QStringLiteral("The web puzzle is one page that solves in any browser, "
                                                  "on a phone too, and keeps the solver's progress."),
                                   this);
    explanation->setWordWrap(true);
    WordLengthsBox = new QCheckBox(QStringLiteral("Show word &lengths after the clues, e.g. (3,5) for ICE CREAM"), this);
    WordLengthsBox->setObjectName(QStringLiteral("WordLengthsBox"));
    WordLengthsBox->setChecked(settings.WebPuzzleWordLengths);
    connect(WordLengthsBox, &QCheckBox::toggled, this, [&settings](bool on) { settings.WebPuzzleWordLengths = on; });
    TimerBox = new QCheckBox(QStringLiteral("Show a &timer the solver can pause"), this);
    TimerBox->setObjectName(QStringLiteral("TimerBox"));
    TimerBox->setChecked(settings.WebPuzzleTimer);
    connect(TimerBox, &QCheckBox::toggled, this, [&settings](bool on) { settings.WebPuzzleTimer = on; });

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* save = buttons->addButton(QStringLiteral("&Save Web Puzzle"), QDialogButtonBox::AcceptRole);
    save->setObjectName(QStringLiteral("SaveButton"));
    save->setDefault(true);
    QPushButton* cancel = buttons->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addWidget(WordLengthsBox);
    layout->addWidget(TimerBox);
    layout->addWidget(buttons);
    resize(440, 150);
    PrepareDialog(this, context);
}
