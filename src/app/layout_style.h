#pragma once
// Fusion, with the check box's square and its gap to the caption kept at
// their size on a 96-dpi screen. Fusion grows them with the font DPI alone;
// in boxes laid out in pixels that would push the captions out of sight.
// With Qt's own scaling on, the whole window, square included, still grows.

#include <QProxyStyle>

class LayoutStyle final : public QProxyStyle
{
    Q_OBJECT

public:
    LayoutStyle();
    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
};
