#pragma once
// A drawn rounded rectangle that frames or backs other controls; it never takes the mouse.

#include <QColor>
#include <QPixmap>
#include <QWidget>

class Shape : public QWidget {
    Q_OBJECT
public:
    explicit Shape(QWidget* parent = nullptr);

    void setBorder(const QColor& colour, int width);
    void setFill(const QColor& colour); // transparent inside when never set

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_border{0, 0, 0};
    int m_borderWidth = 1;
    QColor m_fill; // invalid: transparent
    QPixmap m_drawn;
};
