#include "widgets/line.h"

#include "widgets/twips.h"

#include <QPainter>

Line::Line(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Line::setLine(int x1, int y1, int x2, int y2)
{
    m_twips = QLine(x1, y1, x2, y2);
    const QPoint a(twipsToPixels(x1), twipsToPixels(y1));
    const QPoint b(twipsToPixels(x2), twipsToPixels(y2));
    const int margin = m_width;
    setGeometry(QRect(a, b).normalized().adjusted(-margin, -margin, margin, margin));
    update();
}

void Line::setPen(const QColor& colour, int width)
{
    m_colour = colour;
    m_width = width;
    setLine(m_twips.x1(), m_twips.y1(), m_twips.x2(), m_twips.y2());
}

void Line::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QPen(m_colour, m_width));
    const QPoint origin = geometry().topLeft();
    painter.drawLine(QPoint(twipsToPixels(m_twips.x1()), twipsToPixels(m_twips.y1())) - origin,
                     QPoint(twipsToPixels(m_twips.x2()), twipsToPixels(m_twips.y2())) - origin);
}
