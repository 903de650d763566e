#include "mainwindow/nothing_due_window_layout.h"

#include "accessibility/screen_reader.h"
#include "widgets/layout_builder.h"
#include "widgets/look.h"

namespace Ui {

using layout::make;

void NothingDueWindow::setupUi(QWidget* w)
{
    layout::frameless(w, "Form1", "Form1", kNothingDueTwips, QColor(224, 224, 224));
    Image1 = make<MouseLabel>(w, "Image1", -120, -120, 5535, 1290);
    Image1->setStretchedPicture(":/banner.jpg");
    Label1 = layout::label(w, "Label1", 600, 0, 4095, 255, "Non ci sono scadenze immediate!",
                           layoutFont("Times New Roman", 14.25, true), QColor(192, 192, 192));
    Command1 = layout::graphicButton(w, "Command1", 240, 480, 1095, 495, "Chiudi",
                                     layoutFont("MS Sans Serif", 9.75, true));
    Command2 = layout::graphicButton(w, "Command2", 1440, 480, 3615, 495,
                                     "Apri per inserire nuova scadenza",
                                     layoutFont("MS Sans Serif", 9.75, true));
    nameControls(w);
}

} // namespace Ui
