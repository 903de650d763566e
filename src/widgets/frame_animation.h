#pragma once
// The frames of an animated picture, moved on by the caller's clock instead of a timer of
// their own, so that all the motion of a window costs one repaint per tick.

#include <QList>
#include <QPixmap>
#include <QSize>
#include <QString>

class FrameAnimation {
public:
    // Decodes every frame once, scaled to the given size when it is valid; false when the
    // file holds no frame.
    bool load(const QString& file, const QSize& scaledTo = {});
    bool isEmpty() const { return m_frames.isEmpty(); }
    const QPixmap& current() const { return m_frames.at(m_index); }
    // The clock moved on by ms; true when another frame is now due.
    bool advance(int ms);

private:
    QList<QPixmap> m_frames;
    QList<int> m_delays; // ms each frame stays
    qsizetype m_index = 0;
    int m_elapsed = 0;
};
