#pragma once
// Layout units: positions are given in twips, 15 to a logical pixel at 96 dpi;
// Qt's high-dpi scaling does the rest.

#include <QColor>
#include <QRect>

constexpr int kTwipsPerPixel = 15;

// Nearest pixel, halves to even, so that 7.5 px and 8.5 px both give 8.
int twipsToPixels(int twips);
QRect twipsRect(int left, int top, int width, int height);

inline QColor rgb(int r, int g, int b)
{
    return QColor(r, g, b);
}
