#include "export/ui/MetafileCreation.h"

#include "ui/MessageService.h"
#include "ui/WindowSetup.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

TMetafileCreation::TMetafileCreation(AppContext& context, Work work, QWidget* parent)
    : QDialog(parent), m_context(context), m_work(std::move(work))
{
    setObjectName(QStringLiteral("MetafileCreation"));
    setWindowTitle(QStringLiteral("Metafile Creation"));
    setModal(true);
    m_status = new QLabel(QStringLiteral("Creating Metafile...  Please Wait."), this);
    m_status->setObjectName(QStringLiteral("MetafileStatus"));
    m_status->setAlignment(Qt::AlignCenter);
    m_ok = new QPushButton(QStringLiteral("&Ok"), this);
    m_ok->setObjectName(QStringLiteral("OkButton"));
    m_ok->setEnabled(false);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(m_ok);
    row->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_status);
    layout->addLayout(row);
    resize(280, 100);
}

void TMetafileCreation::showEvent(QShowEvent* event)
{
    PrepareDialog(this, m_context);
    QDialog::showEvent(event);
    if (!m_started) {
        m_started = true;
        QTimer::singleShot(0, this, &TMetafileCreation::RunWork);
    }
}

void TMetafileCreation::RunWork()
{
    QApplication::processEvents();   // let the waiting text show
    const QString error = m_work ? m_work() : QString();
    if (!error.isEmpty()) {
        MessageService::error(this, error);
        reject();
        return;
    }
    m_created = true;
    m_status->setText(QStringLiteral("Metafile Created"));
    m_ok->setEnabled(true);
    m_ok->setDefault(true);
    m_ok->setFocus();
}
