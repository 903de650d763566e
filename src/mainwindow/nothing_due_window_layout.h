#pragma once
// "Non ci sono scadenze immediate!": its controls as created.

#include "widgets/mouse_label.h"

#include <QPushButton>

class QWidget;

namespace Ui {

// The frameless window's client area, in twips.
inline constexpr QSize kNothingDueTwips{5295, 1095};

class NothingDueWindow {
public:
    void setupUi(QWidget* window);
    MouseLabel *Image1, *Label1;
    QPushButton *Command1, *Command2;
};

} // namespace Ui
