#include "pages/ui/NumbersInPuzzle.h"

#include "render/ObjectFont.h"
#include "pages/ui/FontChooser.h"
#include "ui/WindowSetup.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TNumbersInPuzzle::TNumbersInPuzzle(AppContext& context, const TPageObject& object, QWidget* parent)
    : TObjectDialog(context, object, QStringLiteral("Numbers In Puzzle"), parent)
{
    setObjectName(QStringLiteral("NumbersInPuzzle"));
    auto* group = new QGroupBox(QStringLiteral("Orientation"), this);
    m_horizontal = new QRadioButton(QStringLiteral("&Horizontal"), group);
    m_horizontal->setObjectName(QStringLiteral("Horizontal"));
    m_vertical = new QRadioButton(QStringLiteral("&Vertical"), group);
    m_vertical->setObjectName(QStringLiteral("Vertical"));
    (object.NumbersHorizontal ? m_horizontal : m_vertical)->setChecked(true);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(m_horizontal);
    groupLayout->addWidget(m_vertical);
    auto* font = new QPushButton(QStringLiteral("Change &Font"), this);
    font->setObjectName(QStringLiteral("ChangeFont"));
    font->setAutoDefault(false);
    connect(font, &QPushButton::clicked, this, &TNumbersInPuzzle::ChangeFontClick);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(font);
    layout->addLayout(OkCancelRow(this));
}

void TNumbersInPuzzle::ChangeFontClick()
{
    if (const auto font = ChooseCanvasFont(this, ObjectFont(m_object, true), QStringLiteral("Clue Number Font")))
        StoreObjectFont(m_object, true, *font);
}

void TNumbersInPuzzle::accept()
{
    m_object.NumbersHorizontal = m_horizontal->isChecked();
    TObjectDialog::accept();
}
