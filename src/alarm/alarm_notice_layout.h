#pragma once
// The alarm notice's controls as created.

#include "widgets/line.h"
#include "widgets/mouse_label.h"
#include "widgets/shape.h"

#include <QPushButton>

class QWidget;

namespace Ui {

// The frameless window's client area, in twips.
inline constexpr QSize kAlarmNoticeTwips{3615, 3735};

class AlarmNotice {
public:
    void setupUi(QWidget* window);
    Shape* Shape2;
    MouseLabel* Label1;
    QPushButton *Command1, *Command2;
    MouseLabel* Label2;
    Line* Line1;
    Shape* Shape1;
    MouseLabel* Label3;
};

} // namespace Ui
