#include "windows/aux_layouts.h"

#include "widgets/layout_builder.h"
#include "widgets/look.h"
#include "widgets/twips.h"
#include "windows/info_text.h"
#include "windows/screen_reader.h"

#include <QGuiApplication>
#include <QIcon>
#include <QScreen>
#include <QWidget>

namespace Ui {
namespace {

using layout::make;

// Frameless, centred on the screen, not in the task bar.
void frameless(QWidget* w, const char* name, const QString& caption, QSize twips,
               const QColor& back)
{
    w->setObjectName(QString::fromLatin1(name));
    w->setWindowTitle(caption);
    w->setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::Tool);
    w->setFixedSize(twipsToPixels(twips.width()), twipsToPixels(twips.height()));
    setBackColour(w, back);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        w->move(screen->availableGeometry().center() - w->rect().center());
}

QPushButton* button(QWidget* parent, const char* name, int l, int t, int w, int h,
                    const QString& caption, const QFont& font)
{
    auto* control = layout::graphicButton(parent, name, l, t, w, h, caption);
    control->setFont(font);
    return control;
}

} // namespace

void Form1::setupUi(QWidget* w)
{
    frameless(w, "Form1", "Form1", kForm1Twips, QColor(224, 224, 224));
    Image1 = make<MouseLabel>(w, "Image1", -120, -120, 5535, 1290);
    Image1->setStretchedPicture(":/banner.jpg");
    Label1 = layout::label(w, "Label1", 600, 0, 4095, 255, "Non ci sono scadenze immediate!",
                           layoutFont("Times New Roman", 14.25, true), QColor(192, 192, 192));
    Command1 = button(w, "Command1", 240, 480, 1095, 495, "Chiudi",
                      layoutFont("MS Sans Serif", 9.75, true));
    Command2 = button(w, "Command2", 1440, 480, 3615, 495, "Apri per inserire nuova scadenza",
                      layoutFont("MS Sans Serif", 9.75, true));
    nameControls(w);
}

void Form2::setupUi(QWidget* w)
{
    frameless(w, "Form2", "Tempestina10 - Info", kForm2Twips, QColor(0, 0, 0));
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
    Command1 =
        button(w, "Command1", 7560, 120, 855, 495, "", layoutFont("Times New Roman", 9.75, true));
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

void frmLista::setupUi(QWidget* w)
{
    frameless(w, "frmLista", "Nuovo tipo di scadenza", kListaTwips, QColor(0, 0, 64));
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
    cmdAd = button(w, "cmdAd", 120, 120, 1935, 495, "Inserire in Tipo il nuovo tipo di scadenza",
                   layoutFont("MS Sans Serif", 8.25));
    cmdAd->setToolTip("Clic");
    cmdAd->setEnabled(false);
    Text2 = make<QLineEdit>(w, "Text2", 480, 720, 1575, 285);
    List1 = make<QListWidget>(w, "List1", 120, 1800, 1935, 1230);
    txtElim = make<QLineEdit>(w, "txtElim", 120, 3120, 1935, 285);
    cmdEl =
        button(w, "cmdEl", 120, 3600, 1935, 615, "Eliminazione", layoutFont("MS Sans Serif", 8.25));
    cmdEl->setToolTip("ELIMINA LA VOCE SELEZIONATA");
    cmdEl->setEnabled(false);
    Label1->raise();
    // " Annulla" lies between the type box and the list, on screen and for the keyboard.
    QWidget::setTabOrder(Text2, Label1);
    Label2->setBuddy(Text2);
    nameControls(w);
}

void Form3::setupUi(QWidget* w)
{
    frameless(w, "Form3", "Form3", kForm3Twips, QColor(0, 0, 64));
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
    Command1 = button(w, "Command1", 2760, 240, 615, 495, "OK", layoutFont("MS Sans Serif", 13.5));
    // A plain button that the graphical OK button covers.
    Command2 = make<QPushButton>(w, "Command2", 2880, 360, 375, 255);
    Command2->setText("Command2");
    Command2->setFocusPolicy(Qt::NoFocus);
    Command1->raise();
    nameControls(w);
}

} // namespace Ui
