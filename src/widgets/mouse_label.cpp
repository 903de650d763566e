#include "widgets/mouse_label.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QStyleOptionFocusRect>

MouseLabel::MouseLabel(QWidget* parent) : QLabel(parent)
{
    setMouseTracking(true);
    setTextFormat(Qt::PlainText);
}

void MouseLabel::setStretchedPicture(const QString& resource)
{
    setScaledContents(true);
    m_picture = resource;
    if (isVisible())
        decodePictures();
}

void MouseLabel::setAnimation(const QString& resource, bool stretched)
{
    m_animation = resource;
    m_stretchedAnimation = stretched;
    if (isVisible())
        decodePictures();
}

void MouseLabel::showEvent(QShowEvent* event)
{
    decodePictures();
    QLabel::showEvent(event);
}

void MouseLabel::decodePictures()
{
    if (!m_picture.isEmpty()) {
        setPixmap(QPixmap(m_picture));
        m_picture.clear();
    }
    if (!m_animation.isEmpty()) {
        // Frames are decoded and scaled once and then kept, so the loop costs only repaints.
        if (m_frames.load(m_animation, m_stretchedAnimation ? size() : QSize()))
            setPixmap(m_frames.current());
        m_animation.clear();
    }
}

void MouseLabel::advanceAnimation(int ms)
{
    if (m_frames.isEmpty() || !isVisible() || window()->isMinimized())
        return;
    if (m_frames.advance(ms))
        setPixmap(m_frames.current());
}

void MouseLabel::setOpaque()
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void MouseLabel::paintEvent(QPaintEvent* event)
{
    if (testAttribute(Qt::WA_OpaquePaintEvent)) {
        QPainter painter(this);
        painter.fillRect(event->rect(), palette().color(QPalette::Window));
    }
    QLabel::paintEvent(event);
    if (hasFocus()) {
        QPainter painter(this);
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void MouseLabel::setKeyboardClickable()
{
    setFocusPolicy(Qt::TabFocus);
}

void MouseLabel::keyPressEvent(QKeyEvent* event)
{
    if (focusPolicy() != Qt::NoFocus &&
        (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
         event->key() == Qt::Key_Enter)) {
        emit clicked();
        event->accept();
        return;
    }
    QLabel::keyPressEvent(event);
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
