#include "windows/mouse_label.h"

#include <QMouseEvent>
#include <QMovie>

MouseLabel::MouseLabel(QWidget* parent) : QLabel(parent)
{
    setMouseTracking(true);
    setTextFormat(Qt::PlainText);
}

void MouseLabel::setStretchedPicture(const QString& resource)
{
    setScaledContents(true);
    setPixmap(QPixmap(resource));
}

void MouseLabel::setAnimation(const QString& resource, bool stretched)
{
    auto* movie = new QMovie(resource, QByteArray(), this);
    // Frames are decoded and scaled once and then kept, so the loop costs only repaints.
    movie->setCacheMode(QMovie::CacheAll);
    if (stretched)
        movie->setScaledSize(size());
    setMovie(movie);
    movie->start();
}

void MouseLabel::mouseMoveEvent(QMouseEvent* event)
{
    emit mouseMoved();
    event->accept();
}

void MouseLabel::mousePressEvent(QMouseEvent* event)
{
    m_pressed = true;
    emit mousePressed();
    event->accept();
}

void MouseLabel::mouseReleaseEvent(QMouseEvent* event)
{
    emit mouseReleased();
    const bool inside = rect().contains(event->position().toPoint());
    if (m_pressed && inside)
        emit clicked();
    m_pressed = false;
    event->accept();
}
