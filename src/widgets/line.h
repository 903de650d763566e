#pragma once
// A straight line between two points given in twips of the parent; it never takes the mouse.

#include <QColor>
#include <QLine>
#include <QWidget>

class Line : public QWidget {
    Q_OBJECT
public:
    explicit Line(QWidget* parent = nullptr);

    void setLine(int x1, int y1, int x2, int y2); // twips
    void setPen(const QColor& colour, int width);
    // The end point in twips, as last set.
    int x2() const { return m_twips.x2(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLine m_twips;
    QColor m_colour{0, 0, 0};
    int m_width = 1;
};
