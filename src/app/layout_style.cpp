#include "app/layout_style.h"

#include <QApplication>
#include <QScreen>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>

#include <cmath>

LayoutStyle::LayoutStyle()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
{
}

int LayoutStyle::pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const
{
    const int metricHere = QProxyStyle::pixelMetric(metric, option, widget);
    switch (metric) {
    case PM_IndicatorWidth:
    case PM_IndicatorHeight:
    case PM_CheckBoxLabelSpacing:
        break;
    default:
        return metricHere;
    }
    // Fusion scales these by the DPI of the font it measures with.
    qreal dpi = 96;
    if (!QCoreApplication::testAttribute(Qt::AA_Use96Dpi)) {
        if (option)
            dpi = option->fontMetrics.fontDpi();
        else if (widget)
            dpi = widget->logicalDpiX();
        else if (const QScreen *screen = QGuiApplication::primaryScreen())
            dpi = screen->logicalDotsPerInch();
    }
    return dpi > 96 ? static_cast<int>(std::lround(metricHere * 96 / dpi)) : metricHere;
}
