#pragma once
// The information window's controls as created.

#include "widgets/mouse_label.h"

#include <QPlainTextEdit>
#include <QPushButton>

class QWidget;

namespace Ui {

// The frameless window's client area, in twips.
inline constexpr QSize kInfoWindowTwips{8535, 5640};

class InfoWindow {
public:
    void setupUi(QWidget* window);
    MouseLabel *Image1, *Image4, *Image2, *Image3;
    QPushButton* Command1;
    QPlainTextEdit* Text1;
};

} // namespace Ui
