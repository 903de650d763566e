#pragma once
// The alarm panel's controls on the main window, made in two layers: what lies beneath the
// window's boxes, and the boxes and buttons among them.

#include "widgets/file_list.h"
#include "widgets/limited_text_edit.h"
#include "widgets/line.h"
#include "widgets/mouse_label.h"
#include "widgets/shape.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

class QWidget;

namespace Ui {

struct AlarmPanel {
    // Frame, captions, the active alarm's display and the hidden value boxes: hidden until
    // the panel opens.
    void setupBackdrop(QWidget* window);
    // Type and minutes boxes, optional text, wave files and the panel's buttons: hidden too.
    void setupControls(QWidget* window);

    Shape* Shape7;
    MouseLabel *Label11, *Label12, *Label13, *lblOre, *Label14, *LabelTesto, *labelPerProva, *ann;
    QComboBox *cboAl, *cboMin;
    LimitedTextEdit* TestoAl;
    FileList* File1;
    QLineEdit* prova;
    QPushButton *cmdInfo, *cmdChud, *cmdMinimiz;
    Shape* shaAl;
    MouseLabel *lblAttivo, *Label111;
    Line* lin3;
    MouseLabel* Image3;
    // The target count in seconds, and a box kept from the old layout.
    QLineEdit *txtUltima, *textPrint;
};

} // namespace Ui
