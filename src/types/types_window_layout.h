#pragma once
// The deadline types window's controls as created.

#include "widgets/line.h"
#include "widgets/mouse_label.h"
#include "widgets/shape.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

class QWidget;

namespace Ui {

// The frameless window's client area, in twips.
inline constexpr QSize kTypesWindowTwips{2190, 4290};

class TypesWindow {
public:
    void setupUi(QWidget* window);
    QPushButton* cmdAd;
    MouseLabel* Label2;
    QLineEdit* Text2;
    Shape* Shape1;
    MouseLabel* Label1;
    Line *Line1, *Line2;
    QListWidget* List1;
    QLineEdit* txtElim;
    QPushButton* cmdEl;
};

} // namespace Ui
