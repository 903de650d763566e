// The windows as created: the controls that behaviour relies on, by their binding names.

#include "alarm/alarm_notice_layout.h"
#include "core/slot_table.h"
#include "mainwindow/main_window_layout.h"
#include "mainwindow/nothing_due_window.h"
#include "started_window.h"
#include "types/types_window_layout.h"
#include "widgets/file_list.h"
#include "widgets/limited_text_edit.h"
#include "widgets/look.h"
#include "widgets/rounded_outline.h"
#include "widgets/twips.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTextCursor>
#include <QTimer>

namespace {

// The main window's controls as its layout creates them, before any behaviour; the test
// reaches them by name, as every other test does.
void layOutMainWindow(QWidget& w)
{
    Ui::MainWindow ui;
    ui.setupUi(&w);
}

template <class T> bool is(QObject* o)
{
    return qobject_cast<T*>(o) != nullptr;
}
using KindTest = bool (*)(QObject*);

struct Expected {
    const char* name;
    KindTest kind;
};

} // namespace

class LayoutTest : public QObject {
    Q_OBJECT

    static void checkKinds(QWidget& window, std::initializer_list<Expected> expected)
    {
        for (const Expected& e : expected) {
            QObject* control = window.findChild<QObject*>(e.name);
            QVERIFY2(control, e.name);
            QVERIFY2(e.kind(control), e.name);
        }
    }

private slots:
    void everyMainWindowControlExistsWithItsKind()
    {
        QWidget w;
        layOutMainWindow(w);
        QCOMPARE(w.objectName(), QString("frmTelefono"));
        QCOMPARE(w.windowTitle(), QString("Tempestina10"));
        QCOMPARE(w.size(), QSize(780, 546));
        for (const SlotBinding& b : kSlots) {
            checkKinds(w, {{b.dateBox, is<QLineEdit>},
                           {b.typeCombo, is<QComboBox>},
                           {b.textBox, is<QLineEdit>},
                           {b.daysBox, is<QLineEdit>},
                           {b.clearButton, is<QPushButton>},
                           {b.cascadeTimer, is<QTimer>}});
            QCOMPARE(w.findChild<QPushButton*>(b.clearButton)->text(), QString("X"));
            QVERIFY(w.findChild<QComboBox*>(b.typeCombo)->isEditable());
        }
        checkKinds(w, {{"Image1", is<MouseLabel>},
                       {"cmdEsci", is<QPushButton>},
                       {"Command3", is<QPushButton>},
                       {"Command2", is<QPushButton>},
                       {"cmdList", is<QPushButton>},
                       {"cmdCal", is<QPushButton>},
                       {"Command5", is<QPushButton>},
                       {"Label1", is<MouseLabel>},
                       {"Shape6", is<Shape>},
                       {"Shape4", is<Shape>},
                       {"Shape1", is<Shape>},
                       {"Shape5", is<Shape>},
                       {"Shape3", is<Shape>},
                       {"Shape2", is<Shape>},
                       {"Line1", is<Line>},
                       {"Line2", is<Line>},
                       {"Label6", is<MouseLabel>},
                       {"Label5", is<MouseLabel>},
                       {"imgCorrente", is<MouseLabel>},
                       {"imgScritta01", is<MouseLabel>},
                       {"imgScritta02", is<MouseLabel>},
                       {"Image2", is<MouseLabel>},
                       {"Image5", is<MouseLabel>},
                       {"Image6", is<MouseLabel>},
                       {"ProgressBar1", is<QProgressBar>},
                       {"Label2", is<MouseLabel>},
                       {"Label4", is<MouseLabel>},
                       {"Label3", is<MouseLabel>},
                       {"Label10", is<MouseLabel>},
                       {"Label9", is<MouseLabel>},
                       {"Label7", is<MouseLabel>},
                       {"Text3", is<QLineEdit>},
                       {"Text2", is<QLineEdit>},
                       {"Timer1", is<QTimer>},
                       {"tmrAll", is<QTimer>},
                       {"Calendar1", is<QCalendarWidget>},
                       {"cmdchiud", is<QPushButton>},
                       {"cmdAdesso", is<QPushButton>},
                       {"cmdInfoC", is<QPushButton>},
                       {"Shape7", is<Shape>},
                       {"Label11", is<MouseLabel>},
                       {"cboAl", is<QComboBox>},
                       {"Label12", is<MouseLabel>},
                       {"cboMin", is<QComboBox>},
                       {"Label13", is<MouseLabel>},
                       {"lblOre", is<MouseLabel>},
                       {"Label14", is<MouseLabel>},
                       {"LabelTesto", is<MouseLabel>},
                       {"TestoAl", is<LimitedTextEdit>},
                       {"labelPerProva", is<MouseLabel>},
                       {"File1", is<FileList>},
                       {"prova", is<QLineEdit>},
                       {"ann", is<MouseLabel>},
                       {"cmdInfo", is<QPushButton>},
                       {"cmdChud", is<QPushButton>},
                       {"cmdMinimiz", is<QPushButton>},
                       {"shaAl", is<Shape>},
                       {"lblAttivo", is<MouseLabel>},
                       {"Label111", is<MouseLabel>},
                       {"lin3", is<Line>},
                       {"Image3", is<MouseLabel>},
                       {"txtUltima", is<QLineEdit>},
                       {"textPrint", is<QLineEdit>}});
        QCOMPARE(findControl<MouseLabel>(&w, "Label1")->text(), QString("Info"));
        QCOMPARE(findControl<MouseLabel>(&w, "Label7")->text(),
                 QString("Segnalazioni anticipate  di giorni :"));
        QCOMPARE(findControl<MouseLabel>(&w, "labelPerProva")->text(),
                 QString("Selezionare il nome del file wav  personalizzato:"));
        QCOMPARE(findControl<MouseLabel>(&w, "ann")->text(), QString(" Annulla"));
        QCOMPARE(findControl<MouseLabel>(&w, "lblAttivo")->text(), QString(" Allarme ATTIVO!"));
        QCOMPARE(findControl<MouseLabel>(&w, "Label12")->text(), QString("Avvisami trà minuti:"));
        QCOMPARE(findControl<MouseLabel>(&w, "Label14")->text(), QString("ore"));
        QCOMPARE(findControl<QComboBox>(&w, "cboMin")->currentText(), QString("1"));
        QCOMPARE(findControl<QProgressBar>(&w, "ProgressBar1")->maximum(), 500);
    }

    void panelsStartHiddenAndTheOkChainDisabled()
    {
        QWidget w;
        layOutMainWindow(w);
        w.show();
        const QStringList hidden = {
            "Calendar1",  "cmdchiud", "cmdAdesso",     "cmdInfoC",     "Shape7",    "Label11",
            "cboAl",      "Label12",  "cboMin",        "Label13",      "lblOre",    "Label14",
            "LabelTesto", "TestoAl",  "labelPerProva", "File1",        "prova",     "ann",
            "cmdInfo",    "cmdChud",  "cmdMinimiz",    "shaAl",        "lblAttivo", "Label111",
            "lin3",       "Image3",   "Image6",        "ProgressBar1", "Line2"};
        for (const QString& name : hidden)
            QVERIFY2(!w.findChild<QWidget*>(name)->isVisible(), qPrintable(name));
        for (const char* name : {"txtUltima", "textPrint", "Command5", "Label1", "imgCorrente"})
            QVERIFY2(w.findChild<QWidget*>(name)->isVisible(), name);
        for (const char* name : {"cboMin", "cmdMinimiz", "prova"})
            QVERIFY2(!w.findChild<QWidget*>(name)->isEnabled(), name);
        QVERIFY(findControl<QPushButton>(&w, "Command5")->isEnabled());
        QVERIFY(findControl<QLineEdit>(&w, "txtUltima")->text().isEmpty());
    }

    void limitsTextsAndColoursOfTheSlotBoxes()
    {
        QWidget w;
        layOutMainWindow(w);
        const QColor groups[10] = {{0, 0, 64},  {0, 0, 64},  {0, 0, 64},  {0, 0, 128}, {0, 0, 128},
                                   {0, 0, 128}, {0, 0, 192}, {0, 0, 192}, {0, 0, 255}, {0, 0, 255}};
        for (int i = 0; i < 10; ++i) {
            const SlotRow s = slotRow(&w, i + 1);
            QCOMPARE(s.date->maxLength(), 8);
            QCOMPARE(s.text->maxLength(), 95);
            QCOMPARE(s.days->maxLength(), 2);
            QCOMPARE(s.days->text(), QString("1"));
            QVERIFY(s.date->text().isEmpty() && s.text->text().isEmpty());
            QCOMPARE(backColour(s.text), groups[i]);
            QCOMPARE(backColour(s.days), QColor(64, 0, 0));
            QCOMPARE(foreColour(s.days), QColor(0, 192, 0));
            QCOMPARE(backColour(s.date), toolTipColour());
            QCOMPARE(foreColour(s.date), QColor(0, 0, 128));
            QCOMPARE(s.text->toolTip(), QString("Inserire scadenza Max 96 caratteri"));
            QCOMPARE(s.days->toolTip(), QString("Max 99"));
        }
        QCOMPARE(findControl<LimitedTextEdit>(&w, "TestoAl")->maxLength(), 100);
        QCOMPARE(backColour(findControl<QLineEdit>(&w, "Text3")), QColor(192, 64, 0));
        QCOMPARE(backColour(findControl<QLineEdit>(&w, "Text2")), QColor(192, 255, 192));
        QCOMPARE(foreColour(findControl<MouseLabel>(&w, "Label1")), QColor(255, 96, 96));
        QCOMPARE(findControl<MouseLabel>(&w, "Label1")->font().pointSizeF(), 9.75);
    }

    void onlyTheFlickerTimerRunsAtCreation()
    {
        QWidget w;
        layOutMainWindow(w);
        QVERIFY(findControl<QTimer>(&w, "Timer1")->isActive());
        QCOMPARE(findControl<QTimer>(&w, "Timer1")->interval(), 50);
        for (const SlotRow& s : slotRows(&w)) {
            QVERIFY(!s.cascade->isActive());
            QCOMPARE(s.cascade->interval(), 50);
        }
        QVERIFY(!findControl<QTimer>(&w, "tmrAll")->isActive());
        QCOMPARE(findControl<QTimer>(&w, "tmrAll")->interval(), 1000);
    }

    void calendarLeavesClearDateAndDaysColumnsFree()
    {
        QWidget w;
        layOutMainWindow(w);
        const QRect calendar = findControl<QCalendarWidget>(&w, "Calendar1")->geometry();
        QCOMPARE(calendar, twipsRect(1920, 2040, 9015, 6015));
        for (const SlotRow& s : slotRows(&w)) {
            for (QWidget* free : {static_cast<QWidget*>(s.clear), static_cast<QWidget*>(s.date),
                                  static_cast<QWidget*>(s.days)})
                QVERIFY2(!calendar.intersects(free->geometry()), qPrintable(free->objectName()));
            QVERIFY(calendar.contains(s.type->geometry()));
        }
        // The panel's buttons are drawn over the calendar.
        QVERIFY(w.children().indexOf(findControl<QPushButton>(&w, "cmdchiud")) >
                w.children().indexOf(findControl<QCalendarWidget>(&w, "Calendar1")));
    }

    void tabOrderRunsRowByRowThenTheClearButtons()
    {
        QWidget w;
        layOutMainWindow(w);
        const std::array<SlotRow, 10> rows = slotRows(&w);
        QWidget* current = rows[0].date;
        for (int i = 0; i < 10; ++i) {
            for (QWidget* expected :
                 {static_cast<QWidget*>(rows[i].date), static_cast<QWidget*>(rows[i].type),
                  static_cast<QWidget*>(rows[i].text), static_cast<QWidget*>(rows[i].days)}) {
                QCOMPARE(current, expected);
                current = current->nextInFocusChain();
                while (current->focusProxy() || !(current->focusPolicy() & Qt::TabFocus))
                    current = current->nextInFocusChain();
            }
        }
        QCOMPARE(current, static_cast<QWidget*>(findControl<QPushButton>(&w, "C1")));
    }

    void auxiliaryWindowsAsCreated()
    {
        NothingDueWindow form1;
        QCOMPARE(form1.size(), QSize(353, 73));
        QVERIFY(form1.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(findControl<MouseLabel>(&form1, "Label1")->text(),
                 QString("Non ci sono scadenze immediate!"));
        QCOMPARE(findControl<QPushButton>(&form1, "Command1")->text(), QString("Chiudi"));
        QCOMPARE(findControl<QPushButton>(&form1, "Command2")->text(),
                 QString("Apri per inserire nuova scadenza"));

        QDialog lista;
        Ui::TypesWindow listaUi;
        listaUi.setupUi(&lista);
        QCOMPARE(lista.size(), QSize(146, 286));
        QVERIFY(!listaUi.cmdAd->isEnabled() && !listaUi.cmdEl->isEnabled());
        QCOMPARE(listaUi.List1->count(), 0);
        QCOMPARE(listaUi.Label1->text(), QString(" Annulla"));

        QDialog notice;
        Ui::AlarmNotice noticeUi;
        noticeUi.setupUi(&notice);
        QCOMPARE(notice.size(), QSize(241, 249));
        QVERIFY(noticeUi.Label2->text().isEmpty() && noticeUi.Label3->text().isEmpty());
        QCOMPARE(noticeUi.Label1->text(), QString("Attenzione!"));
        QCOMPARE(noticeUi.Command1->text(), QString("OK"));
    }

    void alarmTextHoldsOneHundredCharactersWhateverIsTypedOrPasted()
    {
        QWidget w;
        layOutMainWindow(w);
        LimitedTextEdit* text = findControl<LimitedTextEdit>(&w, "TestoAl");
        QVERIFY(text->tabChangesFocus());
        text->setPlainText(QString(99, 'a'));
        text->moveCursor(QTextCursor::End);
        QTest::keyClicks(text, "bc");
        QCOMPARE(text->toPlainText(), QString(99, 'a') + "b");
        for (const Qt::Key key : {Qt::Key_X, Qt::Key_Return, Qt::Key_Space})
            QTest::keyClick(text, key);
        QTest::keyClick(text, Qt::Key_Tab, Qt::NoModifier);
        QCOMPARE(text->length(), 100);
        QApplication::clipboard()->setText("zzz");
        text->paste();
        QCOMPARE(text->length(), 100);
        // A paste over a selection fills only the room the selection leaves.
        text->moveCursor(QTextCursor::Start);
        text->moveCursor(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
        text->paste();
        QCOMPARE(text->length(), 100);
        QVERIFY(text->toPlainText().startsWith("za"));
        QTest::keyClick(text, Qt::Key_Backspace);
        QCOMPARE(text->length(), 99);
    }

    void roundedOutlineFollowsTheScreenDensity()
    {
        QCOMPARE(roundedOutlineSize(Ui::kNothingDueTwips, 15, 15), QSize(353, 73));
        QCOMPARE(roundedOutlineSize(Ui::kTypesWindowTwips, 15, 15), QSize(146, 286));
        QCOMPARE(roundedOutlineSize(Ui::kAlarmNoticeTwips, 15, 15), QSize(241, 249));
        // 3615 / 15 = 241, 3735 / 15 = 249; at 12 twips per pixel 301.25 and 311.25.
        QCOMPARE(roundedOutlineSize(Ui::kAlarmNoticeTwips, 12, 12), QSize(301, 311));
        // Halves go to the even neighbour: 2190 / 12 = 182.5, 4290 / 12 = 357.5.
        QCOMPARE(roundedOutlineSize(Ui::kTypesWindowTwips, 12, 12), QSize(182, 358));
    }
};

QTEST_MAIN(LayoutTest)
#include "layout_test.moc"
