#include "alarm/alarm_notice_layout.h"

#include "accessibility/screen_reader.h"
#include "widgets/layout_builder.h"
#include "widgets/look.h"

namespace Ui {

using layout::make;

void AlarmNotice::setupUi(QWidget* w)
{
    layout::frameless(w, "Form3", "Form3", kAlarmNoticeTwips, QColor(0, 0, 64));
    const QColor green(0, 255, 0);
    Shape2 = make<Shape>(w, "Shape2", 120, 120, 3375, 1335);
    Shape2->setBorder(green, 3);
    Shape1 = make<Shape>(w, "Shape1", 120, 1560, 3375, 2055);
    Shape1->setBorder(green, 3);
    Line1 = layout::line(w, "Line1", 1800, 1440, 1800, 1560, green, 1);
    Label1 = layout::label(w, "Label1", 360, 200, 2175, 615, "Attenzione!",
                           layoutFont("Times New Roman", 24), green);
    Label2 = layout::label(w, "Label2", 360, 840, 2175, 375, "",
                           layoutFont("Times New Roman", 12, true), green);
    Label3 = layout::label(w, "Label3", 240, 1800, 3135, 1335, "",
                           layoutFont("MS Sans Serif", 9.75), green);
    Label3->setWordWrap(true);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Command1 = layout::graphicButton(w, "Command1", 2760, 240, 615, 495, "OK",
                                     layoutFont("MS Sans Serif", 13.5));
    // A plain button that the graphical OK button covers.
    Command2 = make<QPushButton>(w, "Command2", 2880, 360, 375, 255);
    Command2->setText("Command2");
    Command2->setFocusPolicy(Qt::NoFocus);
    Command1->raise();
    nameControls(w);
}

} // namespace Ui
