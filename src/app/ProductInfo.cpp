#include "app/ProductInfo.h"

#include "ui/AppContext.h"
#include "ui/WindowSetup.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtGlobal>

#ifndef QUORVEX_VERSION
#define QUORVEX_VERSION "3.0"
#endif

namespace {

constexpr int DesignWidth = 400;
constexpr int DesignHeight = 230;

} // namespace

QString TProductInfo::Version()
{
    return QStringLiteral(QUORVEX_VERSION);
}

QString TProductInfo::TextOf(Kind kind)
{
    switch (kind) {
    case About:
        return QStringLiteral("Quorvex\n"
                              "Crossword puzzle construction\n\n"
                              "Version %1\n"
                              "Built with Qt %2, running on Qt %3\n\n"
                              "Quorvex is free of charge: you may use it, copy it and give it away.  It comes "
                              "without any warranty.  Qt is used under the GNU Lesser General Public License, "
                              "version 3.")
            .arg(Version(), QStringLiteral(QT_VERSION_STR), QLatin1String(qVersion()));
    case OtherProducts:
        return QStringLiteral("Other Products\n\n"
                              "Quorvex is not sold, and it is complete as it is: there are no add-ons, "
                              "editions or companion products to buy.  New shapes, page layouts "
                              "and puzzles come from other users as files you can import.");
    case Order:
        return QStringLiteral("Order\n\n"
                              "Quorvex is not sold.  There is nothing to order, register or unlock: every "
                              "feature is yours already.  If you got this copy from a friend, pass it on in "
                              "the same way.");
    }
    return {};
}

TProductInfo::TProductInfo(AppContext& context, Kind kind, QWidget* parent)
    : QDialog(parent)
    , m_context(context)
{
    const char* const names[] = {"About", "OtherProducts", "Order"};
    const char* const captions[] = {"About Quorvex", "Other Products", "Order"};
    setObjectName(QLatin1String(names[kind]));
    setWindowTitle(QLatin1String(captions[kind]));
    setModal(true);

    auto* text = new QLabel(TextOf(kind), this);
    text->setObjectName(QStringLiteral("InfoText"));
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* ok = new QPushButton(QStringLiteral("&Ok"), this);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text, 1);
    layout->addLayout(buttons);
    resize(DesignWidth, DesignHeight);
}

void TProductInfo::showEvent(QShowEvent* event)
{
    PrepareDialog(this, m_context);
    QDialog::showEvent(event);
}
