#pragma once
// A button in the graphical style, whose caption wraps onto more lines when it does not
// fit, as the old toolkit's graphical buttons did.

#include <QPushButton>

class GraphicButton : public QPushButton {
    Q_OBJECT
public:
    explicit GraphicButton(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
