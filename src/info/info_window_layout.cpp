#include "info/info_window_layout.h"

#include "accessibility/screen_reader.h"
#include "info/info_text.h"
#include "widgets/layout_builder.h"
#include "widgets/look.h"

#include <QIcon>

namespace Ui {

using layout::make;

void InfoWindow::setupUi(QWidget* w)
{
    layout::frameless(w, "Form2", "Tempestina10 - Info", kInfoWindowTwips, QColor(0, 0, 0));
    w->setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::Tool);
    Image1 = make<MouseLabel>(w, "Image1", 0, 0, 8535, 690);
    Image1->setStretchedPicture(":/banner.jpg");
    Image4 = make<MouseLabel>(w, "Image4", 120, 120, 480, 480);
    Image4->setStretchedPicture(":/print32.png");
    Image4->setToolTip("Stampa su stampante predefinita");
    Image4->setCursor(customCursor(CursorKind::Hand));
    Image4->setKeyboardClickable();
    Image2 = make<MouseLabel>(w, "Image2", 2760, 120, 3150, 600);
    Image2->setAnimation(":/banner210x40.gif", true);
    Image2->setCursor(Qt::UpArrowCursor);
    Image3 = make<MouseLabel>(w, "Image3", 3120, 0, 2370, 720);
    Image3->setAnimation(":/brand158x52.gif", true);
    Image3->setCursor(Qt::UpArrowCursor);
    Image3->hide();
    Command1 = layout::graphicButton(w, "Command1", 7560, 120, 855, 495, "",
                                     layoutFont("Times New Roman", 9.75, true));
    Command1->setToolTip("Esci");
    Command1->setIcon(QIcon(":/exit32.png"));
    Command1->setIconSize(QSize(28, 28));
    Text1 = make<QPlainTextEdit>(w, "Text1", 0, 720, 8535, 4935);
    Text1->setPlainText(informationText());
    Text1->setReadOnly(true);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setMouseTracking(true);
    Text1->viewport()->setMouseTracking(true);
    setBackColour(Text1, toolTipColour());
    QWidget::setTabOrder(Text1, Command1);
    QWidget::setTabOrder(Command1, Image4);
    nameControls(w);
}

} // namespace Ui
