#pragma once
// The frames of an animated picture, moved on by the caller's clock instead of a timer of
// their own, so that all the motion of a window costs one repaint per tick.

#include <QImage>
#include <QList>
#include <QPixmap>
#include <QRect>
#include <QSize>
#include <QString>

// The smallest rectangle holding every pixel in which two pictures of one size differ (empty when
// none does); two pictures of different sizes differ everywhere.
QRect differingPixels(const QImage& a, const QImage& b);

class FrameAnimation {
public:
    // Decodes every frame once, scaled to the given size when it is valid; false when the
    // file holds no frame.
    bool load(const QString& file, const QSize& scaledTo = {});
    bool isEmpty() const { return m_frames.isEmpty(); }
    const QPixmap& current() const { return m_frames.at(m_index).picture; }
    // The clock moved on by ms: the part of the picture that differs from before (empty when
    // the same frame stays), so that only that part is drawn again.
    QRect advance(int ms);

private:
    struct Frame {
        QPixmap picture;
        int delay;     // ms it stays
        QRect changed; // pixels that differ from the frame before it, in the loop's order
    };
    QList<Frame> m_frames;
    qsizetype m_index = 0;
    int m_elapsed = 0;
};
