#include "pages/ui/BitmapWidth.h"

#include "ui/AppContext.h"
#include "ui/MessageService.h"
#include "ui/WindowSetup.h"
#include "pages/RasterExport.h"
#include "ui/NumberField.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

/** Digits of the width field. */
constexpr int WidthDigits = 4;

} // namespace

TBitmapWidth::TBitmapWidth(AppContext& context, Mode mode, QWidget* parent)
    : QDialog(parent), m_context(context)
{
    const bool jpeg = mode == Mode::Jpeg;
    setObjectName(QStringLiteral("BitmapWidth"));
    setWindowTitle(jpeg ? QStringLiteral("JPeg") : QStringLiteral("Bitmap"));
    setModal(true);
    auto* label = new QLabel(jpeg ? QStringLiteral("Width of JPeg") : QStringLiteral("Width of Bitmap"), this);
    m_field = NumberField::Make(this, QStringLiteral("WidthBox"), WidthDigits, context.settings.PixelWidth);
    label->setBuddy(m_field);
    auto* create = NumberField::Button(this, jpeg ? QStringLiteral("Create &JPeg") : QStringLiteral("Create &Bitmap"),
                          QStringLiteral("CreateButton"));
    create->setDefault(true);
    auto* cancel = NumberField::Button(this, QStringLiteral("&Cancel"), QStringLiteral("CancelButton"));
    connect(create, &QPushButton::clicked, this, &TBitmapWidth::CreateClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(m_field);
    layout->addLayout(row);
    layout->addLayout(NumberField::ButtonRow(create, cancel));
    resize(260, 90);
}

void TBitmapWidth::showEvent(QShowEvent* event)
{
    PrepareDialog(this, m_context);
    QDialog::showEvent(event);
}

void TBitmapWidth::CreateClick()
{
    const int width = NumberField::Value(m_field);
    if (width < RasterExport::MinWidth) {
        MessageService::error(this, QStringLiteral("Invalid width specified.  Please correct."));
        m_field->setFocus();
        return;
    }
    m_width = width;
    accept();
}
