// Date entry: the keystroke filter, the length check when a date box is left, and the
// calendar panel with its copy into a date box, its buttons, help and colour legend.

#include "editing_window.h"

#include <QCalendarWidget>
#include <QClipboard>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QVBoxLayout>

namespace {

const QString kFormatMessage = "Inserire la data in questo formato es. 11/06/04";
const QString kTextPresent = "Attenzione! Nella casella Scadenze: è presente del testo!\r\n"
                             "Accertarsi del contenuto e\r\n"
                             "nel caso eliminarlo con con l'apposito pulsante X";

bool panelShown(const QWidget& w)
{
    return findControl<QCalendarWidget>(&w, "Calendar1")->isVisible() &&
           findControl<QPushButton>(&w, "cmdchiud")->isVisible() &&
           findControl<QPushButton>(&w, "cmdAdesso")->isVisible() &&
           findControl<QPushButton>(&w, "cmdInfoC")->isVisible();
}

bool panelHidden(const QWidget& w)
{
    return findControl<QCalendarWidget>(&w, "Calendar1")->isHidden() &&
           findControl<QPushButton>(&w, "cmdchiud")->isHidden() &&
           findControl<QPushButton>(&w, "cmdAdesso")->isHidden() &&
           findControl<QPushButton>(&w, "cmdInfoC")->isHidden();
}

} // namespace

class CalendarPanelTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { qputenv("XDG_RUNTIME_DIR", QDir::tempPath().toLocal8Bit()); }

    void dateKeysGiveDigitsAndSlashes()
    {
        EditingWindow e(cardWith({}));
        e.find<QLineEdit>("txtTelefono")->setFocus();
        QTest::keyClicks(e.find<QLineEdit>("txtTelefono"), "11.06.04");
        QCOMPARE(e.find<QLineEdit>("txtTelefono")->text(), QString("11/06/04"));
        // A ninth key finds the box full, whatever it is.
        QTest::keyClicks(e.find<QLineEdit>("txtTelefono"), "-");
        QCOMPARE(e.find<QLineEdit>("txtTelefono")->text(), QString("11/06/04"));

        e.find<QLineEdit>("D1")->setFocus();
        QTest::keyClicks(e.find<QLineEdit>("D1"), "1a");
        QCOMPARE(e.find<QLineEdit>("D1")->text(), QString("1/"));
        QTest::keyClick(e.find<QLineEdit>("D1"), Qt::Key_Backspace);
        QTest::keyClicks(e.find<QLineEdit>("D1"), " 3");
        QCOMPARE(e.find<QLineEdit>("D1")->text(), QString("1/3"));
        // A selection is replaced by the slash, as by any typed character.
        e.find<QLineEdit>("D1")->selectAll();
        QTest::keyClicks(e.find<QLineEdit>("D1"), "x");
        QCOMPARE(e.find<QLineEdit>("D1")->text(), QString("/"));

        // Control combinations do what they do in any box; a paste is filtered and cut to 8.
        e.find<QLineEdit>("D1")->setText("01/02/05");
        QTest::keyClick(e.find<QLineEdit>("D1"), Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(e.find<QLineEdit>("D1")->selectedText(), QString("01/02/05"));
        QTest::keyClick(e.find<QLineEdit>("D1"), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QString("01/02/05"));
        QApplication::clipboard()->setText("3.4.2005 x");
        QTest::keyClick(e.find<QLineEdit>("D1"), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(e.find<QLineEdit>("D1")->text(), QString("3/4/2005"));
        QTest::keyClick(e.find<QLineEdit>("D1"), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(e.find<QLineEdit>("D1")->text(), QString("01/02/05"));
        QVERIFY(e.platform.messages.empty());
    }

    void everyPasteGoesThroughTheDateFilter()
    {
        EditingWindow e(cardWith({}));
        QLineEdit* box = e.find<QLineEdit>("D2");
        QApplication::clipboard()->setText("3.4.2005 x");
        const auto filtered = [&] {
            const QString text = box->text();
            box->clear();
            return text;
        };

        // The box's own menu, with its paste action.
        QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, QPoint(5, 5),
                                    box->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(box, &menuEvent);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        const QList<QAction*> actions = menu->actions();
        const auto paste = std::find_if(actions.begin(), actions.end(), [](QAction* a) {
            return a->text().startsWith(QLineEdit::tr("&Paste") + u'\t');
        });
        QVERIFY(paste != actions.end());
        (*paste)->trigger();
        menu->close();
        QCOMPARE(filtered(), QString("3/4/2005"));

        // A drop from another program: the box must have taken the drag's entry first.
        QMimeData data;
        data.setText("12-1-05");
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(box, &enter);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(box, &drop);
        QCOMPARE(filtered(), QString("12/1/05"));
        QVERIFY(drop.isAccepted());
    }

    void partlyTypedDateCannotBeLeft()
    {
        EditingWindow e(cardWith({}));
        QVERIFY(e.activated);
        QLineEdit* box = e.find<QLineEdit>("txtNome");
        box->setFocus();
        QTest::keyClicks(box, "1/6/04");
        QTest::keyClick(box, Qt::Key_Tab);
        QCOMPARE(e.platform.messageTexts(), QStringList{kFormatMessage});
        QTRY_COMPARE(QApplication::focusWidget(), box);
        QCOMPARE(box->cursorPosition(), 6);
        QCOMPARE(box->text(), QString("1/6/04"));

        // Every attempt, by key or by mouse, gets the message again.
        QTest::keyClick(box, Qt::Key_Tab);
        QTRY_COMPARE(QApplication::focusWidget(), box);
        QTest::mouseClick(e.find<QLineEdit>("R5"), Qt::LeftButton);
        QTRY_COMPARE(QApplication::focusWidget(), box);
        QCOMPARE(e.platform.messages.size(), size_t(3));

        // A day of the calendar passes; so does an empty box.
        for (const QString& text : {QString("01/06/04"), QString("29/02/04"), QString()}) {
            box->setFocus();
            box->setText(text);
            QTest::keyClick(box, Qt::Key_Tab);
            QTRY_VERIFY(QApplication::focusWidget() != box);
            QTest::qWait(20);
            QVERIFY(QApplication::focusWidget() != box);
        }
        QCOMPARE(e.platform.messages.size(), size_t(3));

        // Eight typed characters that name no day are refused as a short text is.
        for (const QString& typed :
             {QString("32/13/26"), QString("99/99/99"), QString("29/02/25")}) {
            box->setFocus();
            box->selectAll();
            QTest::keyClicks(box, typed);
            QTest::keyClick(box, Qt::Key_Tab);
            QTRY_COMPARE(QApplication::focusWidget(), box);
            QCOMPARE(box->text(), typed);
        }
        QCOMPARE(e.platform.messageTexts(), QStringList(6, kFormatMessage));
    }

    void storedDateThatIsNoDayIsShownAndLeftAsItIs()
    {
        EditingWindow e(cardWith({{4, {"31/02/26", "", "1"}}}));
        QVERIFY(e.activated);
        QLineEdit* box = e.find<QLineEdit>("txtData2");
        QCOMPARE(box->text(), QString("31/02/26"));
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Tab);
        QTRY_VERIFY(QApplication::focusWidget() != box);
        QTest::qWait(20);
        QVERIFY(QApplication::focusWidget() != box);
        QCOMPARE(box->text(), QString("31/02/26"));
        QVERIFY(e.platform.messages.empty());
    }

    void noLoopOfMessagesBetweenBoxesOrWithAWindowTakingTheFocus()
    {
        // Two partly filled date boxes: leaving one for the other must not bounce.
        EditingWindow e(cardWith({{3, {"1/2", "", "1"}}}));
        QVERIFY(e.activated);
        QLineEdit* first = e.find<QLineEdit>("txtNome");
        QLineEdit* second = e.find<QLineEdit>("txtCommenti");
        first->setFocus();
        QTest::keyClicks(first, "1/6");
        QTest::mouseClick(second, Qt::LeftButton);
        QTest::qWait(50);
        QCOMPARE(e.platform.messageTexts(), QStringList{kFormatMessage});
        QCOMPARE(QApplication::focusWidget(), first);

        // A message window that takes the focus while it shows starts no second message.
        e.platform.onMessage = [&](const FakePlatform::Message&) {
            QDialog box(e.window.get());
            auto* field = new QLineEdit(&box);
            (new QVBoxLayout(&box))->addWidget(field);
            box.show();
            QApplication::setActiveWindow(&box);
            field->setFocus();
            QTest::qWait(20);
            box.hide();
            QApplication::setActiveWindow(e.window.get());
            QTest::qWait(20);
        };
        QTest::keyClick(first, Qt::Key_Tab);
        QTest::qWait(100);
        QCOMPARE(e.platform.messages.size(), size_t(2));
        QTRY_COMPARE(QApplication::focusWidget(), first);
    }

    void calendarCopyGoesOnlyIntoASlotWithoutText()
    {
        EditingWindow e(cardWith({{6, {"01/01/05", "", "1"}}}));
        e.find<QLineEdit>("R4")->setText(" ");
        // Hidden panel: a click only places the caret.
        QTest::mouseClick(e.find<QLineEdit>("D5"), Qt::LeftButton);
        QCOMPARE(e.find<QLineEdit>("D5")->text(), QString("01/01/05"));
        QVERIFY(panelHidden(e.w()));

        QTest::mouseClick(e.find<QPushButton>("cmdCal"), Qt::LeftButton);
        QVERIFY(panelShown(e.w()));
        QCOMPARE(e.find<QCalendarWidget>("Calendar1")->selectedDate(), QDate(2005, 3, 10));
        e.find<QCalendarWidget>("Calendar1")->setSelectedDate(QDate(2005, 4, 21));

        // Slot 4's text is one blank: refused, nothing changes, the panel stays.
        QTest::mouseClick(e.find<QLineEdit>("txtData2"), Qt::LeftButton);
        QCOMPARE(e.platform.messageTexts(), QStringList{kTextPresent});
        QCOMPARE(e.find<QLineEdit>("txtData2")->text(), QString());
        QVERIFY(panelShown(e.w()));

        // Slot 5 is empty: the day is copied and the panel closes.
        QTest::mouseClick(e.find<QLineEdit>("txtData1"), Qt::LeftButton);
        QCOMPARE(e.find<QLineEdit>("txtData1")->text(), QString("21/04/05"));
        QVERIFY(panelHidden(e.w()));
        // The second click of a double click finds the panel closed.
        QTest::mouseDClick(e.find<QLineEdit>("txtData1"), Qt::LeftButton);
        QCOMPARE(e.find<QLineEdit>("txtData1")->text(), QString("21/04/05"));
        QCOMPARE(e.platform.messages.size(), size_t(1));
        QCOMPARE(e.find<QLineEdit>("D5")->text(), QString("01/01/05"));
    }

    void enterInTheCalendarActsAsAClickOnTheLastDateBox()
    {
        EditingWindow e(cardWith({}));
        QVERIFY(e.activated);
        e.find<QLineEdit>("R4")->setText("Bollo > ");
        QTest::mouseClick(e.find<QPushButton>("cmdCal"), Qt::LeftButton);
        QWidget* view = e.find<QCalendarWidget>("Calendar1")->focusProxy();
        QVERIFY(view);
        // No date box had the focus yet: nothing to put the day in.
        view->setFocus();
        QTest::keyClick(view, Qt::Key_Return);
        QVERIFY(panelShown(e.w()));

        // Slot 4 holds text: the click's warning, and the panel stays.
        e.find<QLineEdit>("txtData2")->setFocus();
        view->setFocus();
        QTest::keyClick(view, Qt::Key_Right);
        QTest::keyClick(view, Qt::Key_Enter);
        QCOMPARE(e.platform.messageTexts(), QStringList{kTextPresent});
        QCOMPARE(e.find<QLineEdit>("txtData2")->text(), QString());
        QVERIFY(panelShown(e.w()));

        e.find<QLineEdit>("txtData1")->setFocus();
        view->setFocus();
        QTest::keyClick(view, Qt::Key_Return);
        QCOMPARE(e.find<QLineEdit>("txtData1")->text(), QString("11/03/05"));
        QVERIFY(panelHidden(e.w()));
        QCOMPARE(QApplication::focusWidget(), e.find<QLineEdit>("txtData1"));

        // Alt+F4 is the window's.
        e.find<QLineEdit>("D3")->setFocus();
        QTest::keyClick(e.find<QLineEdit>("D3"), Qt::Key_F4, Qt::AltModifier);
        QVERIFY(panelHidden(e.w()));

        // F4 or Alt+Down in a date box: the calendar opens on today with the keyboard in it,
        // whatever date boxes a Tab to the calendar button would pass.
        const std::pair<QLineEdit*, QKeyCombination> opening[] = {
            {e.find<QLineEdit>("D5"), Qt::Key_F4},
            {e.find<QLineEdit>("D4"), Qt::AltModifier | Qt::Key_Down}};
        for (const auto& [box, key] : opening) {
            box->setFocus();
            QTest::keyClick(box, key.key(), key.keyboardModifiers());
            QVERIFY(panelShown(e.w()));
            QCOMPARE(QApplication::focusWidget(), view);
            QTest::keyClick(view, Qt::Key_Right);
            QTest::keyClick(view, Qt::Key_Return);
            QCOMPARE(box->text(), QString("11/03/05"));
            QCOMPARE(QApplication::focusWidget(), box);
        }
    }

    void nowAndCalendarButtonBringTheSelectionBackToToday()
    {
        EditingWindow e(cardWith({}));
        QCalendarWidget* calendar = e.find<QCalendarWidget>("Calendar1");
        QTest::mouseClick(e.find<QPushButton>("cmdCal"), Qt::LeftButton);
        calendar->setSelectedDate(QDate(2005, 7, 15));
        calendar->setCurrentPage(2005, 8);
        QTest::mouseClick(e.find<QPushButton>("cmdAdesso"), Qt::LeftButton);
        QCOMPARE(calendar->selectedDate(), QDate(2005, 3, 10));
        QCOMPARE(calendar->monthShown(), 3);
        QVERIFY(panelShown(e.w()));

        calendar->setSelectedDate(QDate(2004, 12, 1));
        QTest::mouseClick(e.find<QPushButton>("cmdCal"), Qt::LeftButton);
        QCOMPARE(calendar->selectedDate(), QDate(2005, 3, 10));
        QCOMPARE(calendar->yearShown(), 2005);
        QVERIFY(panelShown(e.w()));

        QTest::mouseClick(e.find<QPushButton>("cmdchiud"), Qt::LeftButton);
        QVERIFY(panelHidden(e.w()));
        for (const SlotRow& s : e.rows())
            QCOMPARE(s.date->text(), QString());
        QVERIFY(e.platform.messages.empty());
    }

    void helpStartsTheSpokenHelpThenShowsItsMessage()
    {
        EditingWindow e(cardWith({}));
        QTest::mouseClick(e.find<QPushButton>("cmdCal"), Qt::LeftButton);
        QStringList playedAtMessage;
        e.platform.onMessage = [&](const FakePlatform::Message&) {
            playedAtMessage = e.platform.played;
        };
        QTest::mouseClick(e.find<QPushButton>("cmdInfoC"), Qt::LeftButton);
        const QStringList wave{e.folders.programFile("calend.wav")};
        QCOMPARE(playedAtMessage, wave);
        QCOMPARE(e.platform.played, wave);
        QCOMPARE(e.platform.messageTexts(),
                 QStringList{"Scegliere la data dal calendario,\r\n"
                             "poi fare clic in una casella Data:.\r\n"
                             "Oppure inserire manualmente la Data\r\n"
                             "MA,esclusivamente nel formato breve,ad es. 02/08/04"});
        QCOMPARE(e.platform.messages[0].icon, Platform::Icon::None);
        QVERIFY(panelShown(e.w()));
    }

    void legendSquaresSayWhatTheirColourMeans()
    {
        EditingWindow e(cardWith({}));
        QTest::mouseClick(e.find<QLineEdit>("Text2"), Qt::LeftButton);
        QTest::mouseClick(e.find<QLineEdit>("Text3"), Qt::LeftButton);
        QCOMPARE(e.platform.messageTexts(),
                 QStringList({"Questo colore indica:\r\nSCADENZA SCADUTA!",
                              "Questo colore indica:\r\nSCADENZA TRA' BREVE!"}));
    }
};

QTEST_MAIN(CalendarPanelTest)
#include "calendar_panel_test.moc"
