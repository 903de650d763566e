#include "widgets/frame_animation.h"

#include <QImageReader>

QRect differingPixels(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return a.rect().united(b.rect());
    const QImage first = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage second = b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    int left = a.width(), right = -1, top = a.height(), bottom = -1;
    for (int y = 0; y < a.height(); ++y) {
        const auto* lineA = reinterpret_cast<const QRgb*>(first.constScanLine(y));
        const auto* lineB = reinterpret_cast<const QRgb*>(second.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            if (lineA[x] != lineB[x]) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = y;
            }
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

bool FrameAnimation::load(const QString& file, const QSize& scaledTo)
{
    QImageReader reader(file);
    if (scaledTo.isValid())
        reader.setScaledSize(scaledTo);
    m_frames.clear();
    QList<QImage> images;
    QImage image;
    while (reader.read(&image)) {
        images.append(image);
        // A frame without a delay would stop the loop: it stays one tick instead.
        m_frames.append({QPixmap::fromImage(image), qMax(1, reader.nextImageDelay()), {}});
        if (reader.imageCount() > 0 && images.size() >= reader.imageCount())
            break;
    }
    for (qsizetype i = 0; i < images.size(); ++i)
        m_frames[i].changed =
            differingPixels(images.at(i), images.at((i + images.size() - 1) % images.size()));
    m_index = 0;
    m_elapsed = 0;
    return !m_frames.isEmpty();
}

QRect FrameAnimation::advance(int ms)
{
    if (m_frames.size() < 2)
        return {};
    m_elapsed += ms;
    QRect changed;
    while (m_elapsed >= m_frames.at(m_index).delay) {
        m_elapsed -= m_frames.at(m_index).delay;
        m_index = (m_index + 1) % m_frames.size();
        changed |= m_frames.at(m_index).changed;
    }
    return changed;
}
