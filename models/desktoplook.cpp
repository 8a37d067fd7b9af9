// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/desktoplook.h"

#include <QGuiApplication>
#include <QtMath>

namespace DesktopLook {

namespace {
double linear(double channel)
{
    return channel <= 0.03928 ? channel / 12.92 : qPow((channel + 0.055) / 1.055, 2.4);
}

double luminance(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}
} // namespace

qreal scaledPoints(qreal points)
{
    const qreal desktop = QGuiApplication::font().pointSizeF();
    return desktop > 10.0 ? points * desktop / 10.0 : points;
}

QFont scaledFont(qreal points)
{
    QFont font = QGuiApplication::font();
    font.setPointSizeF(scaledPoints(points));
    return font;
}

double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

QColor tinted(const QColor &base, const QColor &hue, double amount)
{
    const QColor from = base.toRgb();
    const QColor to = hue.toRgb();
    const auto mix = [amount](double x, double y) { return x + (y - x) * amount; };
    return QColor::fromRgbF(
        mix(from.redF(), to.redF()), mix(from.greenF(), to.greenF()), mix(from.blueF(), to.blueF()));
}

QColor readableOn(const QColor &background, const QColor &preferred)
{
    const double minimum = 4.5;
    if (contrastRatio(background, preferred) >= minimum)
        return preferred;
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return contrastRatio(background, black) >= contrastRatio(background, white) ? black : white;
}

} // namespace DesktopLook
