#include "installer/pontilo_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

// A small green arched bridge on the window's dark blue: the installer is the "pontile".
QPixmap drawIcon(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 64));
    p.drawRoundedRect(QRectF(1, 1, 30, 30), 5, 5);

    QPen pen(QColor(0, 255, 0), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(4, 22), QPointF(28, 22));
    QPainterPath arch(QPointF(6, 22));
    arch.quadTo(QPointF(16, 6), QPointF(26, 22));
    p.drawPath(arch);
    for (qreal x : {11.0, 16.0, 21.0})
        p.drawLine(QPointF(x, x == 16.0 ? 14.0 : 17.0), QPointF(x, 22));
    return pixmap;
}

} // namespace

QIcon pontiloIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48})
        icon.addPixmap(drawIcon(size));
    return icon;
}
