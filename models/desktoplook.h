// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef DESKTOPLOOK_H
#define DESKTOPLOOK_H

#include <QColor>
#include <QFont>

// The desktop's look, taken into account: colours that mark something (a sentence's status, a
// warning) are drawn from the palette the desktop gives, so that a dark theme gets dark tints and every
// text stays readable on them; fonts follow the desktop's font size.
namespace DesktopLook {

// The application's font at `points` where the desktop font is 10 points or smaller, and
// proportionally larger where it is larger: a teacher's larger desktop font enlarges headings too.
QFont scaledFont(qreal points);
// The same scale for a point size alone.
qreal scaledPoints(qreal points);

// The contrast ratio of two colours as accessibility guidelines define it: from 1 (the same) to 21
// (black on white). Body text wants at least 4.5.
double contrastRatio(const QColor &a, const QColor &b);

// `base` moved `amount` (0 to 1) of the way towards `hue`.
QColor tinted(const QColor &base, const QColor &hue, double amount);

// `preferred` where it reads on `background` at 4.5:1 or better; otherwise black or white, whichever
// reads better (one of the two always reaches 4.5:1).
QColor readableOn(const QColor &background, const QColor &preferred);

} // namespace DesktopLook

#endif // DESKTOPLOOK_H
