#include "widgets/mouse_label.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <algorithm>

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
        // The label's own picture is the first frame, for what reads it (a screen reader's
        // role); paintEvent draws the current one.
        if (m_frames.load(m_animation, m_stretchedAnimation ? size() : QSize()))
            setPixmap(m_frames.current());
        m_animation.clear();
    }
}

void MouseLabel::advanceAnimation(int ms)
{
    if (m_frames.isEmpty() || !isVisible() || window()->isMinimized())
        return;
    // Only the pixels that differ from the frame before are drawn again, so what lies beneath
    // the rest of the picture is not painted either.
    const QRect changed = m_frames.advance(ms);
    if (!changed.isEmpty())
        update(changed.translated(pictureRect(m_frames.current()).topLeft()));
}

void MouseLabel::showPicture(const QPixmap& picture)
{
    // As with an animation, the label's own picture is the first one, for what reads it.
    if (m_shown.isNull())
        setPixmap(picture);
    QRect changed = rect();
    if (!m_shown.isNull() && m_shown.size() == picture.size()) {
        // Two pictures taking turns: where they differ is worked out once.
        const qint64 a = m_shown.cacheKey(), b = picture.cacheKey();
        const std::pair<qint64, qint64> pair{std::min(a, b), std::max(a, b)};
        if (pair != m_comparedPair) {
            m_comparedPair = pair;
            m_pairDiffers = differingPixels(m_shown.toImage(), picture.toImage());
        }
        changed = m_pairDiffers.translated(pictureRect(picture).topLeft());
    }
    m_shown = picture;
    if (!changed.isEmpty())
        repaint(changed);
}

QPixmap MouseLabel::shownPicture() const
{
    const QPixmap* own = ownDrawing();
    return own ? *own : pixmap();
}

const QPixmap* MouseLabel::ownDrawing() const
{
    if (!m_frames.isEmpty())
        return &m_frames.current();
    return m_shown.isNull() ? nullptr : &m_shown;
}

QRect MouseLabel::pictureRect(const QPixmap& picture) const
{
    return QStyle::alignedRect(layoutDirection(),
                               QStyle::visualAlignment(layoutDirection(), alignment()),
                               picture.deviceIndependentSize().toSize(), contentsRect());
}

void MouseLabel::setOpaque()
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void MouseLabel::paintEvent(QPaintEvent* event)
{
    const QPixmap* own = ownDrawing();
    if (own || testAttribute(Qt::WA_OpaquePaintEvent)) {
        QPainter painter(this);
        if (testAttribute(Qt::WA_OpaquePaintEvent)) {
            // The background only where no opaque picture covers it.
            QRegion bare(event->rect());
            if (own && !own->hasAlpha())
                bare -= pictureRect(*own);
            for (const QRect& part : bare)
                painter.fillRect(part, palette().color(QPalette::Window));
        }
        if (own)
            painter.drawPixmap(pictureRect(*own).topLeft(), *own);
    }
    if (!own)
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
