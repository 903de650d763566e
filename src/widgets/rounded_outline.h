#pragma once
// The rounded outline of the frameless windows: the nothing-due window, the types window and
// the alarm notice.

#include <QSize>

class QWidget;

// The outline in pixels: the window's size in twips divided by the screen's twips per
// pixel, rounded to the nearest whole number with halves to even.
QSize roundedOutlineSize(QSize twips, double twipsPerPixelX, double twipsPerPixelY);

// Masks the window to a rounded rectangle with the given corner ellipse (pixels),
// at the twips per pixel of the window's screen.
void setRoundedOutline(QWidget* window, QSize twips, int cornerEllipse);
