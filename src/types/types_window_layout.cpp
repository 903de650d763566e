#include "types/types_window_layout.h"

#include "accessibility/screen_reader.h"
#include "widgets/layout_builder.h"
#include "widgets/look.h"

namespace Ui {

using layout::make;

void TypesWindow::setupUi(QWidget* w)
{
    layout::frameless(w, "frmLista", "Nuovo tipo di scadenza", kTypesWindowTwips, QColor(0, 0, 64));
    const QColor green(0, 255, 0);
    Shape1 = make<Shape>(w, "Shape1", 720, 1200, 735, 255);
    Shape1->setBorder(green, 1);
    Shape1->setFill(green);
    Label1 = layout::label(w, "Label1", 720, 1200, 735, 255, " Annulla",
                           layoutFont("MS Sans Serif", 8.25, true), QColor(0, 0, 0));
    Label1->setCursor(customCursor(CursorKind::Hand));
    Label1->setKeyboardClickable();
    Label2 = layout::label(w, "Label2", 120, 720, 375, 255, "Tipo",
                           layoutFont("MS Sans Serif", 8.25), green);
    Line1 = layout::line(w, "Line1", 120, 1560, 2040, 1560, QColor(128, 128, 128), 2);
    Line2 = layout::line(w, "Line2", 120, 1560, 2040, 1560, QColor(192, 192, 192), 1);
    cmdAd = layout::graphicButton(w, "cmdAd", 120, 120, 1935, 495,
                                  "Inserire in Tipo il nuovo tipo di scadenza",
                                  layoutFont("MS Sans Serif", 8.25));
    cmdAd->setToolTip("Clic");
    cmdAd->setEnabled(false);
    Text2 = make<QLineEdit>(w, "Text2", 480, 720, 1575, 285);
    List1 = make<QListWidget>(w, "List1", 120, 1800, 1935, 1230);
    txtElim = make<QLineEdit>(w, "txtElim", 120, 3120, 1935, 285);
    cmdEl = layout::graphicButton(w, "cmdEl", 120, 3600, 1935, 615, "Eliminazione",
                                  layoutFont("MS Sans Serif", 8.25));
    cmdEl->setToolTip("ELIMINA LA VOCE SELEZIONATA");
    cmdEl->setEnabled(false);
    Label1->raise();
    // " Annulla" lies between the type box and the list, on screen and for the keyboard.
    QWidget::setTabOrder(Text2, Label1);
    Label2->setBuddy(Text2);
    nameControls(w);
}

} // namespace Ui
