#include "widgets/rounded_outline.h"

#include <cmath>
#include <QBitmap>
#include <QPainter>
#include <QWidget>

QSize roundedOutlineSize(QSize twips, double twipsPerPixelX, double twipsPerPixelY)
{
    return QSize(static_cast<int>(std::nearbyint(twips.width() / twipsPerPixelX)),
                 static_cast<int>(std::nearbyint(twips.height() / twipsPerPixelY)));
}

void setRoundedOutline(QWidget* window, QSize twips, int cornerEllipse)
{
    const double perPixelX = 1440.0 / window->logicalDpiX();
    const double perPixelY = 1440.0 / window->logicalDpiY();
    const QSize outline = roundedOutlineSize(twips, perPixelX, perPixelY);
    if (outline.isEmpty())
        return; // keeps the rectangle, as a failed region would

    QBitmap mask(window->size().expandedTo(outline));
    mask.fill(Qt::color0);
    QPainter painter(&mask);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::color1);
    const qreal radius = cornerEllipse / 2.0;
    painter.drawRoundedRect(QRect(QPoint(0, 0), outline), radius, radius);
    painter.end();
    window->setMask(mask);
}
