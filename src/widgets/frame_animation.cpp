#include "widgets/frame_animation.h"

#include <QImageReader>

bool FrameAnimation::load(const QString& file, const QSize& scaledTo)
{
    QImageReader reader(file);
    if (scaledTo.isValid())
        reader.setScaledSize(scaledTo);
    m_frames.clear();
    m_delays.clear();
    QImage frame;
    while (reader.read(&frame)) {
        m_frames.append(QPixmap::fromImage(frame));
        // A frame without a delay would stop the loop: it stays one tick instead.
        m_delays.append(qMax(1, reader.nextImageDelay()));
        if (reader.imageCount() > 0 && m_frames.size() >= reader.imageCount())
            break;
    }
    m_index = 0;
    m_elapsed = 0;
    return !m_frames.isEmpty();
}

bool FrameAnimation::advance(int ms)
{
    if (m_frames.size() < 2)
        return false;
    m_elapsed += ms;
    bool moved = false;
    while (m_elapsed >= m_delays.at(m_index)) {
        m_elapsed -= m_delays.at(m_index);
        m_index = (m_index + 1) % m_frames.size();
        moved = true;
    }
    return moved;
}
