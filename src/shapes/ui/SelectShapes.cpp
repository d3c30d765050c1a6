#include "shapes/ui/SelectShapes.h"

#include "ui/AppContext.h"
#include "ui/WindowSetup.h"
#include "shapes/ui/ShapeListPanel.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int DesignWidth = 520;
constexpr int DesignHeight = 360;
constexpr QSize PreviewSize{240, 240};
} // namespace

TSelectShapes::TSelectShapes(AppContext& context, QWidget* parent)
    : QDialog(parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("SelectShapes"));
    setWindowTitle(QStringLiteral("Shapes"));
    m_panel = new ShapeListPanel(context, ShapeListHost::Manager, PreviewSize, this);

    auto* exitButton = new QPushButton(QStringLiteral("E&xit"), this);
    exitButton->setObjectName(QStringLiteral("ExitButton"));
    exitButton->setAutoDefault(false);
    connect(exitButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(exitButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_panel);
    layout->addLayout(bottom);
    resize(DesignWidth, DesignHeight);
}

void TSelectShapes::showEvent(QShowEvent* event)
{
    if (!m_prepared) {
        m_prepared = true;
        PrepareDialog(this, m_context);
        if (auto* list = m_panel->findChild<QListWidget*>(QStringLiteral("ShapeBox")))
            list->setFocus();
    }
    QDialog::showEvent(event);
}
