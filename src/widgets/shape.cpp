#include "widgets/shape.h"

#include <QPainter>
#include <QPaintEvent>

Shape::Shape(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::setBorder(const QColor& colour, int width)
{
    m_border = colour;
    m_borderWidth = width;
    m_drawn = QPixmap();
    update();
}

void Shape::setFill(const QColor& colour)
{
    m_fill = colour;
    m_drawn = QPixmap();
    update();
}

void Shape::paintEvent(QPaintEvent* event)
{
    // The animated pictures above the frames repaint small parts of them many times a second:
    // an antialiased outline is drawn once, and then only copied, and a part well inside an
    // unfilled frame, away from its rounded corners, holds nothing to copy.
    const QRectF box = QRectF(rect()).adjusted(m_borderWidth / 2.0, m_borderWidth / 2.0,
                                               -m_borderWidth / 2.0, -m_borderWidth / 2.0);
    const qreal radius = std::min(box.width(), box.height()) / 6.0;
    const qreal clear = m_borderWidth + radius;
    if (!m_fill.isValid() &&
        QRectF(rect()).adjusted(clear, clear, -clear, -clear).contains(event->rect()))
        return;
    const qreal ratio = devicePixelRatioF();
    if (m_drawn.size() != size() * ratio || m_drawn.devicePixelRatio() != ratio) {
        m_drawn = QPixmap(size() * ratio);
        m_drawn.setDevicePixelRatio(ratio);
        m_drawn.fill(Qt::transparent);
        QPainter painter(&m_drawn);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(m_border, m_borderWidth));
        painter.setBrush(m_fill.isValid() ? QBrush(m_fill) : QBrush(Qt::NoBrush));
        painter.drawRoundedRect(box, radius, radius);
    }
    QPainter painter(this);
    const QRect area = event->rect();
    painter.drawPixmap(area, m_drawn, QRectF(area.topLeft() * ratio, area.size() * ratio));
}
