#include "alarm/alarm_panel_layout.h"

#include "widgets/layout_builder.h"
#include "widgets/look.h"

namespace Ui {
namespace {

const QString kFileTip = QStringLiteral("SELEZIONARE IL NOME DEL FILE ATTENZIONE IL FILE DEVE  "
                                        "RISIEDERE  NELLA CARTELLA DEL PROGRAMMA.");

using layout::make;
using namespace mainlayout;

} // namespace

void setupAlarmPanelBackdrop(MainWindow& ui, QWidget* w)
{
    ui.Shape7 = shape(w, "Shape7", 2160, 480, 7575, 1095, 1, QColor(0, 0, 128));
    ui.Shape7->setFill(QColor(0, 0, 0));
    ui.Label11 = label(w, "Label11", 2400, 480, 1935, 255, "Selezionare il tipo di allarme");
    ui.Label12 = label(w, "Label12", 2430, 1170, 1575, 255, "Avvisami trà minuti:");
    ui.Label13 = label(w, "Label13", 2400, 1380, 375, 255, "Pari a", layoutFont("MS Serif", 6.75));
    ui.lblOre = label(w, "lblOre", 2880, 1380, 495, 255, "", layoutFont("MS Serif", 6.75));
    ui.Label14 = label(w, "Label14", 3300, 1380, 495, 255, "ore", layoutFont("MS Serif", 6.75));
    ui.LabelTesto = label(w, "LabelTesto", 7680, 480, 1335, 255, "Testo facoltativo");
    ui.LabelTesto->setToolTip(
        "Inserire del testo che verrà visualizzato all'attivazione dell'allarme.");
    ui.LabelTesto->setCursor(customCursor(CursorKind::Hand));
    ui.labelPerProva = label(w, "labelPerProva", 9720, 480, 1695, 375,
                             "Selezionare il nome del file wav  personalizzato:");
    ui.labelPerProva->setWordWrap(true);
    ui.labelPerProva->setToolTip(kFileTip);
    ui.ann =
        label(w, "ann", 10680, 720, 735, 255, " Annulla", layoutFont("MS Sans Serif", 8.25, true));
    setForeColour(ui.ann, QColor(0, 0, 0));
    setBackColour(ui.ann, kGreen);
    ui.ann->setCursor(customCursor(CursorKind::Hand));
    ui.ann->setKeyboardClickable();
    ui.shaAl = shape(w, "shaAl", 120, 1080, 1830, 615, 1, QColor(0, 0, 128));
    ui.lblAttivo = label(w, "lblAttivo", 120, 1200, 1935, 255, " Allarme ATTIVO!",
                         layoutFont("MS Sans Serif", 9.75, true));
    ui.Label111 = label(w, "Label111", 200, 1440, 615, 255, "0");
    ui.lin3 = layout::line(w, "lin3", 2145, 1440, 1930, 1440, kGreen, 1);
    ui.Image3 = picture(w, "Image3", 180, 810, 1725, 270, ":/minimize115x18.png");
    ui.Image3->setToolTip("Riduci di nuovo a icona!");
    ui.Image3->setCursor(customCursor(CursorKind::Hand));
    for (QWidget* hidden : std::initializer_list<QWidget*>{
             ui.Shape7, ui.Label11, ui.Label12, ui.Label13, ui.lblOre, ui.Label14, ui.LabelTesto,
             ui.labelPerProva, ui.ann, ui.shaAl, ui.lblAttivo, ui.Label111, ui.lin3, ui.Image3})
        hidden->hide();
}

void setupAlarmPanelControls(MainWindow& ui, QWidget* w)
{
    ui.cboAl = make<QComboBox>(w, "cboAl", 2400, 720, 2295, 315);
    ui.cboAl->setEditable(true);
    ui.cboAl->setInsertPolicy(QComboBox::NoInsert);
    ui.cboMin = make<QComboBox>(w, "cboMin", 3840, 1200, 855, 315);
    ui.cboMin->setEditable(true);
    ui.cboMin->setInsertPolicy(QComboBox::NoInsert);
    ui.cboMin->setEditText("1");
    ui.cboMin->setEnabled(false);
    for (QComboBox* box : {ui.cboAl, ui.cboMin})
        setBackColour(box, toolTipColour());
    ui.TestoAl = make<LimitedTextEdit>(w, "TestoAl", 7080, 720, 2535, 735);
    ui.TestoAl->setMaxLength(100);
    ui.TestoAl->setTabChangesFocus(true);
    ui.TestoAl->setToolTip("Max 100 caratteri");
    setBackColour(ui.TestoAl, toolTipColour());
    ui.File1 = make<FileList>(w, "File1", 9720, 960, 1695, 480);
    ui.File1->setPattern("*.wav");
    ui.File1->setToolTip(kFileTip);
    ui.File1->setFont(layoutFont("MS Sans Serif", 8.25, true));
    setBackColour(ui.File1, toolTipColour());
    ui.prova = make<QLineEdit>(w, "prova", 7800, 840, 1695, 405);
    ui.prova->setEnabled(false);
    setBackColour(ui.prova, toolTipColour());
    ui.cmdInfo = button(w, "cmdInfo", 4790, 520, 375, 300, "?");
    ui.cmdInfo->setFont(layoutFont("MS Sans Serif", 12, true));
    ui.cmdChud = button(w, "cmdChud", 4790, 860, 375, 300, "", {}, ":/close21x13.png");
    ui.cmdMinimiz = button(w, "cmdMinimiz", 4790, 1195, 375, 360, "OK");
    ui.cmdMinimiz->setEnabled(false);
    for (QWidget* hidden :
         std::initializer_list<QWidget*>{ui.cboAl, ui.cboMin, ui.TestoAl, ui.File1, ui.prova,
                                         ui.cmdInfo, ui.cmdChud, ui.cmdMinimiz})
        hidden->hide();
    ui.Label11->setBuddy(ui.cboAl);
    ui.Label12->setBuddy(ui.cboMin);
    ui.LabelTesto->setBuddy(ui.TestoAl);
    ui.labelPerProva->setBuddy(ui.File1);
}

} // namespace Ui
