#include "alarm/alarm_panel_layout.h"

#include "widgets/layout_builder.h"
#include "widgets/look.h"
#include "widgets/panel_layout.h"

namespace Ui {
namespace {

const QString kFileTip = QStringLiteral("SELEZIONARE IL NOME DEL FILE ATTENZIONE IL FILE DEVE  "
                                        "RISIEDERE  NELLA CARTELLA DEL PROGRAMMA.");

using layout::make;
using namespace panel;

} // namespace

void AlarmPanel::setupBackdrop(QWidget* w)
{
    Shape7 = shape(w, "Shape7", 2160, 480, 7575, 1095, 1, QColor(0, 0, 128));
    Shape7->setFill(QColor(0, 0, 0));
    Label11 = label(w, "Label11", 2400, 480, 1935, 255, "Selezionare il tipo di allarme");
    Label12 = label(w, "Label12", 2430, 1170, 1575, 255, "Avvisami trà minuti:");
    Label13 = label(w, "Label13", 2400, 1380, 375, 255, "Pari a", layoutFont("MS Serif", 6.75));
    lblOre = label(w, "lblOre", 2880, 1380, 495, 255, "", layoutFont("MS Serif", 6.75));
    Label14 = label(w, "Label14", 3300, 1380, 495, 255, "ore", layoutFont("MS Serif", 6.75));
    LabelTesto = label(w, "LabelTesto", 7680, 480, 1335, 255, "Testo facoltativo");
    LabelTesto->setToolTip(
        "Inserire del testo che verrà visualizzato all'attivazione dell'allarme.");
    LabelTesto->setCursor(customCursor(CursorKind::Hand));
    labelPerProva = label(w, "labelPerProva", 9720, 480, 1695, 375,
                          "Selezionare il nome del file wav  personalizzato:");
    labelPerProva->setWordWrap(true);
    labelPerProva->setToolTip(kFileTip);
    ann =
        label(w, "ann", 10680, 720, 735, 255, " Annulla", layoutFont("MS Sans Serif", 8.25, true));
    setForeColour(ann, QColor(0, 0, 0));
    setBackColour(ann, kGreen);
    ann->setCursor(customCursor(CursorKind::Hand));
    ann->setKeyboardClickable();
    shaAl = shape(w, "shaAl", 120, 1080, 1830, 615, 1, QColor(0, 0, 128));
    lblAttivo = label(w, "lblAttivo", 120, 1200, 1935, 255, " Allarme ATTIVO!",
                      layoutFont("MS Sans Serif", 9.75, true));
    Label111 = label(w, "Label111", 200, 1440, 615, 255, "0");
    lin3 = layout::line(w, "lin3", 2145, 1440, 1930, 1440, kGreen, 1);
    Image3 = picture(w, "Image3", 180, 810, 1725, 270, ":/minimize115x18.png");
    Image3->setToolTip("Riduci di nuovo a icona!");
    Image3->setCursor(customCursor(CursorKind::Hand));
    for (QWidget* hidden : std::initializer_list<QWidget*>{
             Shape7, Label11, Label12, Label13, lblOre, Label14, LabelTesto, labelPerProva, ann,
             shaAl, lblAttivo, Label111, lin3, Image3})
        hidden->hide();

    // Boxes kept behind other controls: they hold values, not things to look at, and keys
    // typed there unseen would change them.
    txtUltima = make<QLineEdit>(w, "txtUltima", 1680, 120, 615, 285);
    textPrint = make<QLineEdit>(w, "textPrint", 5280, 720, 150, 525);
    for (QLineEdit* covered : {txtUltima, textPrint})
        covered->setFocusPolicy(Qt::NoFocus);
}

void AlarmPanel::setupControls(QWidget* w)
{
    cboAl = make<QComboBox>(w, "cboAl", 2400, 720, 2295, 315);
    cboAl->setEditable(true);
    cboAl->setInsertPolicy(QComboBox::NoInsert);
    cboMin = make<QComboBox>(w, "cboMin", 3840, 1200, 855, 315);
    cboMin->setEditable(true);
    cboMin->setInsertPolicy(QComboBox::NoInsert);
    cboMin->setEditText("1");
    cboMin->setEnabled(false);
    for (QComboBox* box : {cboAl, cboMin})
        setBackColour(box, toolTipColour());
    TestoAl = make<LimitedTextEdit>(w, "TestoAl", 7080, 720, 2535, 735);
    TestoAl->setMaxLength(100);
    TestoAl->setTabChangesFocus(true);
    TestoAl->setToolTip("Max 100 caratteri");
    setBackColour(TestoAl, toolTipColour());
    File1 = make<FileList>(w, "File1", 9720, 960, 1695, 480);
    File1->setPattern("*.wav");
    File1->setToolTip(kFileTip);
    File1->setFont(layoutFont("MS Sans Serif", 8.25, true));
    setBackColour(File1, toolTipColour());
    prova = make<QLineEdit>(w, "prova", 7800, 840, 1695, 405);
    prova->setEnabled(false);
    setBackColour(prova, toolTipColour());
    cmdInfo = button(w, "cmdInfo", 4790, 520, 375, 300, "?");
    cmdInfo->setFont(layoutFont("MS Sans Serif", 12, true));
    cmdChud = button(w, "cmdChud", 4790, 860, 375, 300, "", {}, ":/close21x13.png");
    cmdMinimiz = button(w, "cmdMinimiz", 4790, 1195, 375, 360, "OK");
    cmdMinimiz->setEnabled(false);
    for (QWidget* hidden : std::initializer_list<QWidget*>{cboAl, cboMin, TestoAl, File1, prova,
                                                           cmdInfo, cmdChud, cmdMinimiz})
        hidden->hide();
    Label11->setBuddy(cboAl);
    Label12->setBuddy(cboMin);
    LabelTesto->setBuddy(TestoAl);
    labelPerProva->setBuddy(File1);
}

} // namespace Ui
