#pragma once
// The auxiliary windows' controls as created: Form1, Form2, frmLista and Form3.

#include "widgets/line.h"
#include "widgets/mouse_label.h"
#include "widgets/shape.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

class QWidget;

namespace Ui {

// The frameless windows' client areas, in twips.
inline constexpr QSize kForm1Twips{5295, 1095};
inline constexpr QSize kForm2Twips{8535, 5640};
inline constexpr QSize kListaTwips{2190, 4290};
inline constexpr QSize kForm3Twips{3615, 3735};

class Form1 {
public:
    void setupUi(QWidget* window);
    MouseLabel *Image1, *Label1;
    QPushButton *Command1, *Command2;
};

class Form2 {
public:
    void setupUi(QWidget* window);
    MouseLabel *Image1, *Image4, *Image2, *Image3;
    QPushButton* Command1;
    QPlainTextEdit* Text1;
};

class frmLista {
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

class Form3 {
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
