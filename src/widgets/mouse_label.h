#pragma once
// A label, image or picture box that reports the mouse: the old toolkit's lightweight
// controls answer move, press, release and click, which QLabel keeps to itself.

#include "widgets/frame_animation.h"

#include <QLabel>

#include <utility>

class MouseLabel : public QLabel {
    Q_OBJECT
public:
    explicit MouseLabel(QWidget* parent = nullptr);

    // Shows a picture stretched to the control's size, as an image control does.
    void setStretchedPicture(const QString& resource);
    // Shows an animated picture (GIF), looping, stretched or at its own size. Its frames
    // move on only by advanceAnimation: the window's clock drives them.
    void setAnimation(const QString& resource, bool stretched);
    // Both are decoded when the control is first shown: a control that stays hidden costs
    // nothing.
    // The window's clock moved on by ms; nothing is drawn while the control cannot be seen.
    void advanceAnimation(int ms);
    // Shows the picture in place of the label's own and draws at once the part that changed:
    // unlike setPixmap it posts no events, which a picture changed twenty times a second would
    // pay for each time.
    void showPicture(const QPixmap& picture);
    // What the label draws: the animation's frame, the picture given to showPicture, or its own.
    QPixmap shownPicture() const;
    // A picture box: it paints its whole area itself (background colour, then the picture),
    // so that changing its picture repaints nothing beneath it.
    void setOpaque();
    // Takes the focus by Tab (never by a click) and answers Space and Enter as a click.
    void setKeyboardClickable();

signals:
    void mouseMoved();
    void mousePressed();
    void mouseReleased();
    void clicked();

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void decodePictures();
    const QPixmap* ownDrawing() const;
    QRect pictureRect(const QPixmap& picture) const;

    bool m_pressed = false;
    QString m_picture, m_animation;
    bool m_stretchedAnimation = false;
    FrameAnimation m_frames;
    QPixmap m_shown;
    std::pair<qint64, qint64> m_comparedPair; // cache keys, the smaller first
    QRect m_pairDiffers;
};
