#include "words/ui/DoIntChars.h"

#include "ui/AppContext.h"
#include "ui/WindowSetup.h"
#include "words/InternationalKeys.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

/** Design size before scaling. */
constexpr int DesignWidth = 360;
constexpr int DesignHeight = 260;
/** Keys per column of the dialog. */
constexpr int KeysPerColumn = 6;

} // namespace

TDoIntChars::TDoIntChars(AppContext& context, QWidget* parent) : QDialog(parent), m_context(context)
{
    setObjectName(QStringLiteral("TDoIntChars"));
    setWindowTitle(QStringLiteral("International Characters"));
    setModal(true);
    auto* grid = new QGridLayout;
    for (int n = 0; n < SettingsLimits::IntKeyCount; ++n) {
        auto* list = new QComboBox(this);
        list->setObjectName(QStringLiteral("IntKey%1").arg(n + 1));
        for (int code = InternationalKeys::FirstCode; code <= InternationalKeys::LastCode; ++code)
            list->addItem(QString(InternationalKeys::CharacterOf(code)));
        // The setting's character, or the first entry when it names none of them.
        list->setCurrentIndex(InternationalKeys::CodeOf(m_context.settings.IntKeys[std::size_t(n)]) - InternationalKeys::FirstCode);
        auto* label = new QLabel(QStringLiteral("F%1").arg(n + 1), this);
        label->setBuddy(list);
        const int row = n % KeysPerColumn;
        const int column = (n / KeysPerColumn) * 2;
        grid->addWidget(label, row, column);
        grid->addWidget(list, row, column + 1);
        m_lists[std::size_t(n)] = list;
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch(1);
    QHBoxLayout* buttons = OkCancelRow(this);
    layout->addLayout(buttons);
    // OK stores the choices before it closes.
    auto* ok = findChild<QPushButton*>(QStringLiteral("OkButton"));
    disconnect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(ok, &QPushButton::clicked, this, &TDoIntChars::OkClick);
    resize(DesignWidth, DesignHeight);
}

void TDoIntChars::showEvent(QShowEvent* event)
{
    PrepareDialog(this, m_context);
    QDialog::showEvent(event);
}

void TDoIntChars::OkClick()
{
    for (int n = 0; n < SettingsLimits::IntKeyCount; ++n)
        m_context.settings.IntKeys[std::size_t(n)] =
            InternationalKeys::SettingOf(InternationalKeys::FirstCode + m_lists[std::size_t(n)]->currentIndex());
    accept();
}
