#include "mainwindow/main_window_layout.h"

#include "accessibility/screen_reader.h"
#include "alarm/alarm_panel_layout.h"
#include "core/slot_table.h"
#include "platform/platform.h"
#include "widgets/layout_builder.h"
#include "widgets/look.h"
#include "widgets/panel_layout.h"
#include "widgets/twips.h"

#include <QIcon>
#include <QMovie>
#include <QWidget>

namespace Ui {
namespace {

const QString kDateTip = QStringLiteral(
    "Scegliere la data dal calendario, poi fare doppio clic Quì. Oppure inserire manualmente la "
    "Data esclusivamente in questo formato, es. 02/08/04");

using layout::make;
using namespace panel;

QLineEdit* textBox(QWidget* parent, const char* name, int l, int t, int w, int h)
{
    return make<QLineEdit>(parent, name, l, t, w, h);
}

QTimer* timer(QWidget* parent, const char* name, int interval, bool enabled)
{
    auto* control = new QTimer(parent);
    control->setObjectName(QString::fromLatin1(name));
    control->setInterval(interval);
    if (enabled)
        control->start();
    return control;
}

// A button's second picture: animated while the button is held down.
void showAnimationWhileDown(QPushButton* button, const QString& resource)
{
    auto* movie = new QMovie(resource, QByteArray(), button);
    QObject::connect(movie, &QMovie::frameChanged, button,
                     [button, movie] { button->setIcon(QIcon(movie->currentPixmap())); });
    QObject::connect(button, &QPushButton::pressed, movie, &QMovie::start);
    QObject::connect(button, &QPushButton::released, button, [button, movie] {
        movie->stop();
        button->setIcon(QIcon());
    });
}

constexpr int kRowTop[10] = {2040, 2653, 3266, 3879, 4492, 5105, 5718, 6331, 6944, 7560};

QColor slotTextBack(int slot)
{
    if (slot <= 3)
        return {0, 0, 64};
    if (slot <= 6)
        return {0, 0, 128};
    if (slot <= 8)
        return {0, 0, 192};
    return {0, 0, 255};
}

} // namespace

void plainSlotColours(const SlotControls& s)
{
    setBackColour(s.date, toolTipColour());
    setForeColour(s.date, kDateFore);
    setBackColour(s.days, kDaysBack);
    setForeColour(s.days, kDaysFore);
    for (QWidget* box : {static_cast<QWidget*>(s.date), static_cast<QWidget*>(s.days)})
        setEmphasis(box, Emphasis::None);
}

void MainWindow::setupUi(QWidget* w)
{
    w->setObjectName("frmTelefono");
    w->setWindowTitle(kProductName);
    w->setWindowIcon(QIcon(":/app32.png"));
    w->setFixedSize(twipsToPixels(kMainWidthTwips), twipsToPixels(kMainHeightTwips));
    setBackColour(w, QColor(0, 0, 0));

    // Pictures, shapes, lines and labels lie beneath the boxes and buttons, as in the old
    // toolkit, so they are made first.
    Image1 = picture(w, "Image1", 0, 0, 11760, 8145, ":/background.jpg");
    Shape6 = shape(w, "Shape6", 60, 0, 11600, 495, 2);
    Shape4 = shape(w, "Shape4", 0, 0, 5535, 2055, 2);
    Shape1 = shape(w, "Shape1", 6840, 0, 4815, 2055, 2);
    Shape5 = shape(w, "Shape5", 6840, 0, 4815, 2055, 2);
    Shape3 = shape(w, "Shape3", 0, 2040, 3615, 6135, 2);
    Shape2 = shape(w, "Shape2", 3600, 2040, 8055, 6135, 2);
    Line1 = layout::line(w, "Line1", 1560, 8160, 8280, 8160, QColor(128, 0, 0), 3);
    Line2 = layout::line(w, "Line2", 10920, 120, 10800, 120, kGreen, 2);
    Line2->hide();

    Image2 = make<MouseLabel>(w, "Image2", 4800, -240, 2610, 2490);
    Image2->setAnimation(":/globe150.gif", true);
    Image5 = make<MouseLabel>(w, "Image5", 8160, 720, 2370, 720);
    Image5->setAnimation(":/brand158x52.gif", false);
    Image6 = picture(w, "Image6", 4440, 0, 3150, 450, ":/title210x30.png");
    Image6->hide();

    Label1 =
        label(w, "Label1", 10920, 0, 615, 375, "Info", layoutFont("Comic Sans MS", 9.75, true));
    Label1->setAlignment(Qt::AlignCenter);
    setForeColour(Label1, kInfoNormal);
    Label1->setCursor(customCursor(CursorKind::Info));
    Label1->setKeyboardClickable();
    Label6 = label(w, "Label6", 120, 600, 1095, 255, "Data odierna :");
    Label5 = label(w, "Label5", 1200, 600, 975, 255, "");
    Label2 = label(w, "Label2", 1200, 1740, 615, 255, "Data :");
    Label4 = label(w, "Label4", 2040, 1740, 1455, 255, "Tipo di Scadenze :");
    Label3 = label(w, "Label3", 3600, 1740, 975, 255, "Scadenze :");
    Label10 = label(w, "Label10", 7560, 1740, 1455, 255, "Conteggio caratteri :");
    Label9 = label(w, "Label9", 9000, 1740, 495, 255, "0");
    setForeColour(Label9, QColor(192, 192, 0));
    Label7 = label(w, "Label7", 10200, 1560, 1560, 450, "Segnalazioni anticipate  di giorni :");
    Label7->setWordWrap(true);
    setForeColour(Label7, QColor(0, 192, 0));

    alarm.setupBackdrop(w);

    // Picture boxes of the caption flicker.
    // Picture boxes show their picture at its own size from the top left corner, never
    // stretched, which also keeps the 50 ms flicker cheap.
    auto pictureBox = [w](const char* name, int l, int t, int width, int height) {
        auto* box = make<MouseLabel>(w, name, l, t, width, height);
        box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        setBackColour(box, QColor(0, 0, 0));
        box->setOpaque();
        return box;
    };
    imgScritta01 = pictureBox("imgScritta01", 5280, 240, 1695, 1575);
    imgScritta01->setPixmap(QPixmap(":/scritta01.png"));
    imgScritta02 = pictureBox("imgScritta02", 5280, 240, 1695, 1575);
    imgScritta02->setPixmap(QPixmap(":/scritta02.png"));

    cmdEsci = button(w, "cmdEsci", 120, 0, 735, 495, "", "Esci", ":/exit32.png");
    cmdEsci->setCursor(customCursor(CursorKind::Exit));
    Command3 = button(w, "Command3", 840, 0, 735, 495, "", "Stampa su stampante predefinita",
                      ":/print32.png");
    Command2 = button(w, "Command2", 1560, 0, 855, 495, "",
                      "Copia Tutte le scadenze in memoria, per una personalizzata impaginazione "
                      "in Word o altro.",
                      ":/copy16.png");
    cmdList =
        button(w, "cmdList", 2400, 0, 975, 495, "", "Nuovo tipo di scadenza", ":/list13x15.png");
    cmdCal = button(w, "cmdCal", 3360, 0, 975, 495, "",
                    "Apri il Calendario. Selezionare la data e fare doppio clic nella casella "
                    "\"Data:\".",
                    ":/calendar25x20.png");
    Command5 =
        button(w, "Command5", 4320, 0, 855, 495, "", "Allarme MOMENTANEO", ":/speaker32.png");

    // Above the button row, whose last pixel column it covers, so that the 50 ms flicker
    // repaints nothing but itself.
    imgCorrente = pictureBox("imgCorrente", 5160, 0, 1815, 1935);

    ProgressBar1 = make<QProgressBar>(w, "ProgressBar1", 120, 1920, 9975, 120);
    ProgressBar1->setRange(0, 500);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->hide();

    // The slot grid, row by row; the tab order follows it.
    QWidget* previous = nullptr;
    auto chain = [&previous](QWidget* next) {
        if (previous)
            QWidget::setTabOrder(previous, next);
        previous = next;
    };
    for (const SlotBinding& b : kSlots) {
        const int top = kRowTop[b.slot - 1];
        SlotControls& s = rows[b.slot - 1];
        s.date = textBox(w, b.dateBox, 840, top, 975, 405);
        s.date->setMaxLength(kDateBoxLength);
        s.date->setFont(layoutFont("Times New Roman", 12, true));
        s.date->setToolTip(kDateTip);

        s.type = make<QComboBox>(w, b.typeCombo, 1920, top, 1455, 315);
        s.type->setEditable(true);
        s.type->setInsertPolicy(QComboBox::NoInsert);
        setBackColour(s.type, toolTipColour());

        s.text = textBox(w, b.textBox, 3480, b.slot == 3 ? 3240 : top, 7455, 405);
        s.text->setMaxLength(kTextBoxLength);
        s.text->setToolTip("Inserire scadenza Max 96 caratteri");
        setBackColour(s.text, slotTextBack(b.slot));

        s.days = textBox(w, b.daysBox, 11160, top, 495, b.slot == 9 ? 390 : 405);
        s.days->setMaxLength(kDaysBoxLength);
        s.days->setText("1");
        s.days->setFont(layoutFont("Times New Roman", 14.25));
        s.days->setToolTip("Max 99");
        plainSlotColours(s);

        s.cascade = timer(w, b.cascadeTimer, 50, false);
        for (QWidget* c : std::initializer_list<QWidget*>{s.date, s.type, s.text, s.days})
            chain(c);
    }
    for (const SlotBinding& b : kSlots) {
        SlotControls& s = rows[b.slot - 1];
        s.clear =
            button(w, b.clearButton, 120, b.slot == 2 ? 2640 : kRowTop[b.slot - 1], 615, 405, "X");
        s.clear->setFont(layoutFont("Book Antiqua", 14.25));
        s.clear->setCursor(Qt::CrossCursor);
        showAnimationWhileDown(s.clear, ":/clear25.gif");
        chain(s.clear);
    }
    txtTelefono = rows[0].date, txtNome = rows[1].date, txtCommenti = rows[2].date;
    txtData2 = rows[3].date, txtData1 = rows[4].date, D5 = rows[5].date, D4 = rows[6].date;
    D3 = rows[7].date, D2 = rows[8].date, D1 = rows[9].date;
    Combo1 = rows[0].type, Combo2 = rows[1].type, Combo3 = rows[2].type, Combo4 = rows[3].type;
    Combo5 = rows[4].type, Combo6 = rows[5].type, Combo7 = rows[6].type, Combo8 = rows[7].type;
    Combo9 = rows[8].type, Combo10 = rows[9].type;
    R1 = rows[0].text, R2 = rows[1].text, R3 = rows[2].text, R4 = rows[3].text;
    R5 = rows[4].text, R6 = rows[5].text, R7 = rows[6].text, R8 = rows[7].text;
    R9 = rows[8].text, R10 = rows[9].text;
    seg1 = rows[0].days, seg2 = rows[1].days, seg3 = rows[2].days, seg4 = rows[3].days;
    seg5 = rows[4].days, seg6 = rows[5].days, seg7 = rows[6].days, seg8 = rows[7].days;
    seg9 = rows[8].days, seg10 = rows[9].days;
    C1 = rows[0].clear, C2 = rows[1].clear, C3 = rows[2].clear, C4 = rows[3].clear;
    C5 = rows[4].clear, C6 = rows[5].clear, C7 = rows[6].clear, C8 = rows[7].clear;
    C9 = rows[8].clear, C10 = rows[9].clear;
    Timer2 = rows[0].cascade, Timer3 = rows[1].cascade, Timer4 = rows[2].cascade;
    Timer5 = rows[3].cascade, Timer6 = rows[4].cascade, Timer7 = rows[5].cascade;
    Timer8 = rows[6].cascade, Timer9 = rows[7].cascade, Timer10 = rows[8].cascade;
    Timer11 = rows[9].cascade;

    Text3 = textBox(w, "Text3", 11490, 8040, 165, 135);
    Text3->setToolTip("SCADENZA TRA' BREVE");
    Text3->setReadOnly(true);
    setBackColour(Text3, QColor(192, 64, 0));
    Text3->setCursor(customCursor(CursorKind::Info));
    Text2 = textBox(w, "Text2", 11160, 8040, 150, 135);
    Text2->setToolTip("SCADENZA SCADUTA");
    Text2->setReadOnly(true);
    setBackColour(Text2, QColor(192, 255, 192));
    Text2->setCursor(customCursor(CursorKind::Info));
    for (QLineEdit* legend : {Text3, Text2}) {
        legend->setFrame(false);
        legend->setFocusPolicy(Qt::NoFocus);
    }

    alarm.setupControls(w);

    // The calendar panel lies over the type and text columns.
    Calendar1 = make<QCalendarWidget>(w, "Calendar1", 1920, 2040, 9015, 6015);
    Calendar1->setGridVisible(true);
    cmdchiud = button(w, "cmdchiud", 2160, 2220, 975, 330, "Chiudi", "Chiudi il calendario");
    cmdchiud->setFont(layoutFont("MS Sans Serif", 9.75));
    cmdAdesso = button(w, "cmdAdesso", 7200, 2220, 975, 330, "Now", "DATA ODIERNA");
    cmdAdesso->setFont(layoutFont("MS Sans Serif", 9.75));
    cmdInfoC = button(w, "cmdInfoC", 3360, 2220, 375, 330, "?");
    cmdInfoC->setFont(layoutFont("MS Sans Serif", 12, true));
    for (QWidget* hidden :
         std::initializer_list<QWidget*>{Calendar1, cmdchiud, cmdAdesso, cmdInfoC})
        hidden->hide();

    // The caption picture changes twenty times a second, and each repaint looks through the
    // controls above the changed one: on top, there is none but the progress bar it must not
    // cover.
    imgCorrente->raise();
    ProgressBar1->raise();

    Timer1 = timer(w, "Timer1", 50, true);
    tmrAll = timer(w, "tmrAll", 1000, false);
    tmrAll->setTimerType(Qt::PreciseTimer);

    // The keyboard reaches each panel right after the button that opens it, and "Info" after
    // the button row; the grid and its clear buttons follow as before.
    previous = cmdCal;
    for (QWidget* c : std::initializer_list<QWidget*>{Calendar1, cmdchiud, cmdAdesso, cmdInfoC})
        chain(c);
    previous = Command5;
    for (QWidget* c : std::initializer_list<QWidget*>{
             alarm.cboAl, alarm.cboMin, alarm.TestoAl, alarm.File1, alarm.ann, alarm.prova,
             alarm.cmdInfo, alarm.cmdChud, alarm.cmdMinimiz, Label1})
        chain(c);
    nameControls(w);
}

} // namespace Ui
