#include "render/ui/ClueHeaders.h"

#include "store/Ansi.h"
#include "ui/WindowSetup.h"
#include "ui/Windows1252Text.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

/** Trims spaces (the space character only) from both ends and cuts to the header length. */
QString cleaned(const QString& text)
{
    return Ansi::trimSpaces(text).left(TClueHeaders::HeaderLength);
}

} // namespace

TClueHeaders::TClueHeaders(AppContext& context, const QString& caption, QWidget* parent)
    : QDialog(parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("ClueHeaders"));
    setWindowTitle(caption);
    setModal(true);

    m_across = new QLineEdit(this);
    m_across->setObjectName(QStringLiteral("AcrossHeader"));
    AcceptWindows1252Only(m_across);
    m_across->setMaxLength(HeaderLength);
    m_down = new QLineEdit(this);
    m_down->setObjectName(QStringLiteral("DownHeader"));
    AcceptWindows1252Only(m_down);
    m_down->setMaxLength(HeaderLength);

    auto* acrossLabel = new QLabel(QStringLiteral("Across Header"), this);
    acrossLabel->setBuddy(m_across);
    auto* downLabel = new QLabel(QStringLiteral("Down Header"), this);
    downLabel->setBuddy(m_down);

    auto* form = new QFormLayout;
    form->addRow(acrossLabel, m_across);
    form->addRow(downLabel, m_down);

    QHBoxLayout* buttons = OkCancelRow(this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    resize(320, 120);
}

void TClueHeaders::SetHeaders(const QString& across, const QString& down)
{
    m_across->setText(across.left(HeaderLength));
    m_down->setText(down.left(HeaderLength));
}

QString TClueHeaders::AcrossHeader() const
{
    return cleaned(m_across->text());
}

QString TClueHeaders::DownHeader() const
{
    return cleaned(m_down->text());
}

void TClueHeaders::showEvent(QShowEvent* event)
{
    PrepareDialog(this, m_context);
    m_typed.Take(this);
    QDialog::showEvent(event);
}

void TClueHeaders::reject()
{
    if (m_typed.MayClose(this))
        QDialog::reject();
}
