#include "store/ui/ImportPuzzles.h"

#include "store/PuzzleTransfer.h"
#include "store/ui/PuzzleChoice.h"
#include "ui/AppContext.h"
#include "ui/MessageService.h"
#include "ui/WindowSetup.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TImportPuzzles::TImportPuzzles(AppContext& context, const QString& importPath, QWidget* parent)
    : QDialog(parent)
    , m_context(context)
    , m_importPath(importPath)
{
    setObjectName(QStringLiteral("ImportPuzzles"));
    setWindowTitle(QStringLiteral("Import Crossword Puzzles"));
    setModal(true);
    resize(420, 320);

    auto* fileName = new QLabel(QStringLiteral("File Name: ") + importPath, this);
    fileName->setObjectName(QStringLiteral("FileNameLabel"));
    fileName->setWordWrap(true);
    m_choice = new TPuzzleChoice(importPath, this);
    m_choice->setObjectName(QStringLiteral("PuzzleChoice"));

    m_ok = new QPushButton(QStringLiteral("&Ok"), this);
    m_ok->setObjectName(QStringLiteral("OkButton"));
    m_ok->setEnabled(false);
    m_ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fileName);
    layout->addWidget(m_choice, 1);
    layout->addLayout(buttons);

    connect(m_choice, &TPuzzleChoice::AnySelectedChanged, m_ok, &QPushButton::setEnabled);
    connect(m_ok, &QPushButton::clicked, this, &TImportPuzzles::OkButtonClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TImportPuzzles::showEvent(QShowEvent* event)
{
    if (!m_shown) {
        m_shown = true;
        PrepareDialog(this, m_context);
    }
    QDialog::showEvent(event);
}

void TImportPuzzles::OkButtonClick()
{
    const std::vector<qint64> records = m_choice->SelectedRecords();
    if (records.empty()) {
        MessageService::error(this, TransferMessages::NothingToImport.text(), TransferMessages::NothingToImport.caption());
        return;
    }
    const TTransferReport report = ImportPuzzles(m_importPath, records, m_context.Working.CurrentCollection);
    if (!report.Text.isEmpty())
        MessageService::error(this, report.Text, report.Caption);
    // Records appended before a failure stay, so the collection is re-listed whenever one was.
    done(report.Written > 0 ? QDialog::Accepted : QDialog::Rejected);
}
