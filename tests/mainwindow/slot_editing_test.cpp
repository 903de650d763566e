// Editing a slot in place: the type pick, the text length watch and its counter, the days
// filter and repair, the clear buttons, and what Archivio.DAT cannot hold.

#include "editing_window.h"
#include "widgets/look.h"
#include "widgets/texts.h"

#include <QClipboard>
#include <QListView>

namespace {

const QByteArray kTypes =
    "Bollo auto\r\nTelefono\r\nAssicurazione\r\n" + QByteArray(93, 'T') + "\r\n";

} // namespace

class SlotEditingTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { qputenv("XDG_RUNTIME_DIR", QDir::tempPath().toLocal8Bit()); }

    void typePickReplacesTheWholeTextOnEveryKindOfChoice()
    {
        EditingWindow e(
            cardWith({{1, {"", "Bollo auto > vecchio testo", "1"}}, {2, {"", "Luce", "1"}}}),
            kTypes);
        QVERIFY(e.started);
        // The start fills the combos before it shows the card: the card's texts win.
        QCOMPARE(e.find<QLineEdit>("R1")->text(), QString("Bollo auto > vecchio testo"));
        QCOMPARE(e.find<QLineEdit>("R2")->text(), QString("Luce"));
        QCOMPARE(e.find<QComboBox>("Combo1")->currentText(), QString());

        // The program setting the index.
        e.find<QComboBox>("Combo1")->setCurrentIndex(1);
        QCOMPARE(e.find<QLineEdit>("R1")->text(), QString("Telefono > "));

        // The keyboard, then typing after the type, then another type drops the letters.
        e.find<QComboBox>("Combo1")->setFocus();
        QTest::keyClick(e.find<QComboBox>("Combo1"), Qt::Key_Down);
        QCOMPARE(e.find<QLineEdit>("R1")->text(), QString("Assicurazione > "));
        e.find<QLineEdit>("R1")->setFocus();
        e.find<QLineEdit>("R1")->end(false);
        QTest::keyClicks(e.find<QLineEdit>("R1"), "abc");
        QCOMPARE(e.find<QLineEdit>("R1")->text(), QString("Assicurazione > abc"));
        QTest::keyClick(e.find<QComboBox>("Combo1"), Qt::Key_Up);
        QCOMPARE(e.find<QLineEdit>("R1")->text(), QString("Telefono > "));

        // The mouse choosing the entry that is already current still picks.
        QTest::keyClicks(e.find<QLineEdit>("R1"), "xyz");
        e.find<QComboBox>("Combo1")->showPopup();
        auto* view = e.find<QComboBox>("Combo1")->view();
        QTRY_VERIFY(view->isVisible());
        const QRect item = view->visualRect(view->model()->index(1, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
        QTRY_COMPARE(e.find<QLineEdit>("R1")->text(), QString("Telefono > "));

        // Typing in the combo's own field leaves the slot text alone.
        QTest::keyClicks(e.find<QComboBox>("Combo2")->lineEdit(), "Bol");
        QCOMPARE(e.find<QLineEdit>("R2")->text(), QString("Luce"));

        // A type of 93 characters is cut by the box's limit.
        e.find<QComboBox>("Combo3")->setCurrentIndex(3);
        QCOMPARE(e.find<QLineEdit>("R3")->text(), QString(93, 'T') + " >");
        QVERIFY(e.platform.messages.empty());
    }

    void typingInATypeBoxNeverPicks_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("leaveBy");
        const int tab = Qt::Key_Tab, enter = Qt::Key_Return, click = 0;
        QTest::newRow("small letters, Tab") << "assicurazione" << tab;
        QTest::newRow("capitals, Enter") << "ASSICURAZIONE" << enter;
        QTest::newRow("as listed, Enter") << "Assicurazione" << enter;
        QTest::newRow("completed, Enter") << "tel" << enter;
        QTest::newRow("completed, Tab") << "Tel" << tab;
        QTest::newRow("small letters, click elsewhere") << "bollo auto" << click;
    }

    void typingInATypeBoxNeverPicks()
    {
        QFETCH(QString, typed);
        QFETCH(int, leaveBy);
        EditingWindow e(cardWith({{1, {"", "Pagare entro venerdì", "1"}}}), kTypes);
        QVERIFY(e.activated);
        QComboBox* combo = e.find<QComboBox>("Combo1");
        QTest::mouseClick(combo->lineEdit(), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), combo);
        QTest::keyClicks(combo, typed);
        if (leaveBy == 0)
            QTest::mouseClick(e.find<QLineEdit>("seg5"), Qt::LeftButton);
        else
            QTest::keyClick(combo, Qt::Key(leaveBy));
        QCOMPARE(e.find<QLineEdit>("R1")->text(), QString::fromUtf8("Pagare entro venerdì"));
        QCOMPARE(combo->currentIndex(), -1);
        QCOMPARE(combo->count(), 4);

        QTest::mouseClick(e.find<QPushButton>("cmdEsci"), Qt::LeftButton);
        QCOMPARE(QString::fromStdString(cardOf(readBytes(e.archive())).fields[10]),
                 QString::fromUtf8("Pagare entro venerdì"));
    }

    void anEmptiedTypeFieldHasNoEntryChosen()
    {
        EditingWindow e(cardWith({{1, {"", "uno", "1"}}, {2, {"", "due", "1"}}}), kTypes);
        // After the start-up fill the first Down picks the first type.
        QCOMPARE(e.find<QComboBox>("Combo1")->currentIndex(), -1);
        e.find<QComboBox>("Combo1")->setFocus();
        QTest::keyClick(e.find<QComboBox>("Combo1"), Qt::Key_Down);
        QCOMPARE(e.find<QLineEdit>("R1")->text(), QString("Bollo auto > "));

        // After a clear too, whatever was picked before; Up then picks nothing.
        e.find<QComboBox>("Combo2")->setFocus();
        QTest::keyClick(e.find<QComboBox>("Combo2"), Qt::Key_Down);
        QTest::keyClick(e.find<QComboBox>("Combo2"), Qt::Key_Down);
        QCOMPARE(e.find<QLineEdit>("R2")->text(), QString("Telefono > "));
        e.platform.yesNoAnswers = {true};
        QTest::mouseClick(e.find<QPushButton>("C2"), Qt::LeftButton);
        QCOMPARE(e.find<QComboBox>("Combo2")->currentText(), QString());
        e.find<QLineEdit>("R2")->setText("testo nuovo");
        e.find<QComboBox>("Combo2")->setFocus();
        QTest::keyClick(e.find<QComboBox>("Combo2"), Qt::Key_Up);
        QCOMPARE(e.find<QLineEdit>("R2")->text(), QString("testo nuovo"));
        QTest::keyClick(e.find<QComboBox>("Combo2"), Qt::Key_Down);
        QCOMPARE(e.find<QLineEdit>("R2")->text(), QString("Bollo auto > "));
    }

    void coveredBoxesNeverTakeTheKeyboard()
    {
        EditingWindow e(cardWith({}), kTypes);
        QVERIFY(e.activated);
        // Every control that Tab reaches, once round the window from slot 1's date box.
        auto tabRound = [&e] {
            QList<QWidget*> reached;
            e.find<QLineEdit>("txtTelefono")->setFocus();
            for (int i = 0; i < 80; ++i) {
                QWidget* focus = QApplication::focusWidget();
                if (!focus || reached.contains(focus))
                    break;
                reached << focus;
                QTest::keyClick(focus, Qt::Key_Tab);
            }
            return reached;
        };
        QList<QWidget*> reached = tabRound();
        QVERIFY(reached.contains(e.find<QComboBox>("Combo1")) &&
                reached.contains(e.find<QLineEdit>("R10")));
        for (QWidget* covered : std::initializer_list<QWidget*>{e.find<QLineEdit>("txtUltima"),
                                                                e.find<QLineEdit>("textPrint")}) {
            QVERIFY2(!reached.contains(covered), qPrintable(covered->objectName()));
            QTest::mouseClick(covered, Qt::LeftButton);
            QVERIFY(QApplication::focusWidget() != covered);
        }

        // The open calendar covers the type and text columns.
        QTest::mouseClick(e.find<QPushButton>("cmdCal"), Qt::LeftButton);
        reached = tabRound();
        QVERIFY(reached.contains(e.find<QLineEdit>("seg1")) &&
                reached.contains(e.find<QLineEdit>("txtNome")));
        for (const SlotRow& s : e.rows()) {
            QVERIFY2(!reached.contains(s.type) && !reached.contains(s.text),
                     qPrintable(s.text->objectName()));
        }
        QTest::mouseClick(e.find<QPushButton>("cmdchiud"), Qt::LeftButton);
        QVERIFY(tabRound().contains(e.find<QLineEdit>("R5")));
    }

    void lengthWatchCountsBeforeTheKeyAndWarnsAtTheLimit()
    {
        EditingWindow e(cardWith({}));
        QLineEdit* r4 = e.find<QLineEdit>("R4");
        r4->setText(QString(94, 'a'));
        r4->setFocus();
        r4->end(false);
        int lengthAtMessage = -1;
        e.platform.onMessage = [&](const FakePlatform::Message&) {
            lengthAtMessage = int(r4->text().size());
        };

        QTest::keyClick(r4, 'b');
        QCOMPARE(e.find<MouseLabel>("Label9")->text(), QString("95"));
        QCOMPARE(r4->text().size(), 95);
        QCOMPARE(e.platform.beeps, 0);
        QVERIFY(e.platform.messages.empty());

        QTest::keyClick(r4, 'c');
        QCOMPARE(e.find<MouseLabel>("Label9")->text(), QString("96"));
        QCOMPARE(e.platform.beeps, 1);
        QCOMPARE(e.platform.messageTexts(), QStringList{kLengthLimitMessage});
        QCOMPARE(e.platform.messages[0].icon, Platform::Icon::None);
        QCOMPARE(r4->text(), QString(94, 'a') + "b");

        // Backspace at the limit warns first, then deletes.
        QTest::keyClick(r4, Qt::Key_Backspace);
        QCOMPARE(e.find<MouseLabel>("Label9")->text(), QString("96"));
        QCOMPARE(e.platform.beeps, 2);
        QCOMPARE(e.platform.messages.size(), size_t(2));
        QCOMPARE(lengthAtMessage, 95);
        QCOMPARE(r4->text(), QString(94, 'a'));

        // Composed text (dead keys, compose sequences) is held to the limit too.
        QInputMethodEvent composed;
        composed.setCommitString(QString::fromUtf8("èé"));
        QApplication::sendEvent(r4, &composed);
        QCOMPARE(r4->text(), QString(94, 'a') + QString::fromUtf8("è"));

        // Backspace on ten characters counts eleven; keys without a character count nothing.
        QLineEdit* r9 = e.find<QLineEdit>("R9");
        r9->setText("0123456789");
        r9->setFocus();
        QTest::keyClick(r9, Qt::Key_Backspace);
        QCOMPARE(e.find<MouseLabel>("Label9")->text(), QString("11"));
        QCOMPARE(r9->text(), QString("012345678"));
        QTest::keyClick(r9, Qt::Key_Left);
        QTest::keyClick(r9, Qt::Key_Delete);
        QCOMPARE(e.find<MouseLabel>("Label9")->text(), QString("11"));
        QCOMPARE(r9->text(), QString("01234567"));
        QCOMPARE(e.platform.beeps, 2);
    }

    void daysBoxTakesDigitsOnlyAndNeverStaysEmpty()
    {
        EditingWindow e(cardWith({}));
        QLineEdit* seg1 = e.find<QLineEdit>("seg1");
        seg1->setFocus();
        seg1->end(false);
        QTest::keyClicks(seg1, "a- .");
        QCOMPARE(seg1->text(), QString("1"));
        QTest::keyClicks(seg1, "23");
        QCOMPARE(seg1->text(), QString("12"));
        QTest::keyClick(seg1, Qt::Key_Backspace);
        QCOMPARE(seg1->text(), QString("1"));
        QTest::keyClick(seg1, Qt::Key_Backspace);
        QCOMPARE(seg1->text(), QString("1"));
        seg1->selectAll();
        QTest::keyClick(seg1, '0');
        QCOMPARE(seg1->text(), QString("0"));
        QTest::keyClick(seg1, '0');
        QCOMPARE(seg1->text(), QString("00"));
        // Deleting with Delete (no character) is the repair's business.
        seg1->selectAll();
        QTest::keyClick(seg1, Qt::Key_Delete);
        QCOMPARE(seg1->text(), QString("1"));
        QVERIFY(e.platform.messages.empty());
    }

    void clearButtonAsksAndClearsOnlyItsSlot()
    {
        std::initializer_list<std::pair<int, SlotValues>> values = {
            {1, {"01/04/05", "Uno", "2"}},    {2, {"02/04/05", "Due", "3"}},
            {3, {"03/04/05", "Tre", "4"}},    {4, {"04/04/05", "Quattro", "5"}},
            {5, {"05/04/05", "Cinque", "6"}}, {6, {"09/03/05", "Sei > testo", "7"}},
            {7, {"07/04/05", "Sette", "8"}},  {8, {"08/04/05", "Otto", "9"}},
            {9, {"09/04/05", "Nove", "10"}},  {10, {"10/04/05", "Dieci", "11"}}};
        EditingWindow e(cardWith(values), kTypes);
        const QByteArray archiveBefore = readBytes(e.archive());
        // Slot 6 expired yesterday: its days box carries the expired colour.
        QCOMPARE(backColour(e.find<QLineEdit>("seg6")), QColor(192, 255, 192));
        e.find<QComboBox>("Combo6")->setEditText("Sei");
        e.find<MouseLabel>("Label9")->setText("42");
        auto snapshot = [&] {
            QStringList texts;
            for (const SlotRow& s : e.rows())
                texts << s.date->text() << s.text->text() << s.days->text()
                      << s.type->currentText();
            return texts;
        };
        const QStringList before = snapshot();

        e.platform.yesNoAnswers = {false};
        QTest::mouseClick(e.find<QPushButton>("C6"), Qt::LeftButton);
        QCOMPARE(e.platform.questions, QStringList{"Cancellare questa scadenza ?"});
        QCOMPARE(snapshot(), before);

        e.platform.yesNoAnswers = {true};
        QTest::mouseClick(e.find<QPushButton>("C6"), Qt::LeftButton);
        QCOMPARE(e.platform.questions.size(), 2);
        QStringList expected = before;
        expected[5 * 4 + 0] = "";
        expected[5 * 4 + 1] = "";
        expected[5 * 4 + 2] = "1";
        expected[5 * 4 + 3] = "";
        QCOMPARE(snapshot(), expected);
        QCOMPARE(e.find<QComboBox>("Combo6")->count(), 4);
        QCOMPARE(backColour(e.find<QLineEdit>("seg6")), QColor(192, 255, 192));
        QCOMPARE(e.find<MouseLabel>("Label9")->text(), QString("42"));
        QCOMPARE(readBytes(e.archive()), archiveBefore);
        QVERIFY(e.platform.messages.empty());
    }

    void charactersTheArchiveCannotHoldShowAsQuestionMarks()
    {
        EditingWindow e(cardWith({}));
        QLineEdit* r2 = e.find<QLineEdit>("R2");
        r2->setFocus();
        QTest::keyClicks(r2, "ab");
        QTest::sendKeyEvent(QTest::Click, r2, Qt::Key_unknown, QString::fromUtf8("ł"),
                            Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Click, r2, Qt::Key_unknown, QString::fromUtf8("€"),
                            Qt::NoModifier);
        QCOMPARE(r2->text(), QString::fromUtf8("ab?€"));
        QCOMPARE(r2->cursorPosition(), 4);

        // Pasted: an emoji (two UTF-16 units) is one "?", and the caret stays after it.
        r2->setCursorPosition(2);
        QApplication::clipboard()->setText(QString::fromUtf8("è😀x"));
        r2->paste();
        QCOMPARE(r2->text(), QString::fromUtf8("abè?x?€"));
        QCOMPARE(r2->cursorPosition(), 5);

        // What reaches the archive is what the user saw.
        QTest::mouseClick(e.find<QPushButton>("cmdEsci"), Qt::LeftButton);
        // Field 12 (slot 2's text) is bytes 1100..1199.
        QCOMPARE(readBytes(e.archive()).mid(1100, 8), QByteArray("ab\xe8?x?\x80 "));
    }

    void wheelOverATypeBoxAndDeleteKeyTouchNoSlotText()
    {
        EditingWindow e(cardWith({{3, {"", "testo 3", "15"}}}), kTypes);
        // A wheel turn over a closed type box must not pick a type.
        QWheelEvent wheel(QPointF(5, 5), e.find<QComboBox>("Combo3")->mapToGlobal(QPointF(5, 5)),
                          QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(e.find<QComboBox>("Combo3"), &wheel);
        QCOMPARE(e.find<QLineEdit>("R3")->text(), QString("testo 3"));
        QCOMPARE(e.find<QComboBox>("Combo3")->currentText(), QString());

        // Delete deletes: it is no character for the date filter, the days filter or the
        // counter.
        QLineEdit* date = e.find<QLineEdit>("txtCommenti");
        date->setFocus();
        QTest::keyClicks(date, "110604");
        QTest::keyClick(date, Qt::Key_Home);
        QTest::keyClick(date, Qt::Key_Delete);
        QCOMPARE(date->text(), QString("10604"));
        e.find<QLineEdit>("seg3")->setFocus();
        e.find<QLineEdit>("seg3")->home(false);
        QTest::keyClick(e.find<QLineEdit>("seg3"), Qt::Key_Delete);
        QCOMPARE(e.find<QLineEdit>("seg3")->text(), QString("5"));
        e.find<MouseLabel>("Label9")->setText("0");
        e.find<QLineEdit>("R3")->setFocus();
        e.find<QLineEdit>("R3")->home(false);
        QTest::keyClick(e.find<QLineEdit>("R3"), Qt::Key_Delete);
        QCOMPARE(e.find<QLineEdit>("R3")->text(), QString("esto 3"));
        QCOMPARE(e.find<MouseLabel>("Label9")->text(), QString("0"));
    }

    void openTypeListShowsEveryEntryWhole()
    {
        EditingWindow e(cardWith({}), "Bollo\r\nAssicurazione auto\r\n");
        QComboBox* box = e.find<QComboBox>("Combo4");
        const QRect place = box->geometry();
        // Added while the program runs, as TypesWindow adds a type.
        box->addItem("Revisione auto e moto d'epoca");
        QCoreApplication::processEvents(); // as between two clicks of the user
        box->showPopup();
        QAbstractItemView* list = box->view();
        QTRY_VERIFY(list->isVisible());
        for (int row = 0; row < box->count(); ++row) {
            const int needed = list->sizeHintForIndex(box->model()->index(row, 0)).width();
            QVERIFY2(list->viewport()->width() >= needed, qPrintable(box->itemText(row)));
        }
        QCOMPARE(box->geometry(), place);
        box->hidePopup();
    }
};

QTEST_MAIN(SlotEditingTest)
#include "slot_editing_test.moc"
