#include "ui/ScaledStyle.h"

#include "ui/WindowFit.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <cmath>

namespace {

/**
 * The sizes that follow the factor. A layout's margins and spacing are scaled on the layout itself
 * (ScaleSpacing), from these values at 1.0; the spacing the style gives between kinds of controls
 * (layoutSpacing) follows the factor here.
 */
bool followsFactor(QStyle::PixelMetric metric)
{
    switch (metric) {
    case QStyle::PM_LayoutLeftMargin:
    case QStyle::PM_LayoutTopMargin:
    case QStyle::PM_LayoutRightMargin:
    case QStyle::PM_LayoutBottomMargin:
    case QStyle::PM_LayoutHorizontalSpacing:
    case QStyle::PM_LayoutVerticalSpacing:
    case QStyle::PM_TitleBarHeight:
    case QStyle::PM_TextCursorWidth:
        return false;
    default:
        return true;
    }
}

class ScaledStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        const int base = QProxyStyle::pixelMetric(metric, option, widget);
        if (base <= 0 || !followsFactor(metric))
            return base;
        const double factor = WindowScale(widget ? widget : styledWidget(option));
        return factor == 1.0 ? base : int(std::lround(base * factor));
    }

    int layoutSpacing(QSizePolicy::ControlType first, QSizePolicy::ControlType second, Qt::Orientation orientation,
                      const QStyleOption* option, const QWidget* widget) const override
    {
        const int base = QProxyStyle::layoutSpacing(first, second, orientation, option, widget);
        const double factor = WindowScale(widget ? widget : styledWidget(option));
        return base <= 0 || factor == 1.0 ? base : int(std::lround(base * factor));
    }

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option, const QWidget* widget) const override
    {
        const QIcon icon = QProxyStyle::standardIcon(which, option, widget);
        const double factor = WindowScale(widget ? widget : styledWidget(option));
        if (factor <= 1.0 || icon.availableSizes().isEmpty())
            return icon;
        // The standard pictures come at a few fixed sizes and an icon never draws larger than its
        // largest: each size gets its larger picture too.
        QIcon scaled;
        for (const QSize& size : icon.availableSizes()) {
            const QPixmap picture = icon.pixmap(size);
            scaled.addPixmap(picture);
            scaled.addPixmap(picture.scaled(size * factor, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        }
        return scaled;
    }

private:
    static const QWidget* styledWidget(const QStyleOption* option)
    {
        return option ? qobject_cast<const QWidget*>(option->styleObject) : nullptr;
    }
};

} // namespace

void InstallScaledStyle()
{
    QApplication::setStyle(new ScaledStyle(QStyleFactory::create(QApplication::style()->name())));
}
