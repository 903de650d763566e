// What a screen reader is given, read through Qt's accessibility interfaces: whole values in
// one attribute run, the calendar's days by their dates, the information text without its
// framing lines, windows by their message, "Info" as a button it can press.

#include "accessibility/accessible_text.h"
#include "accessibility/screen_reader.h"
#include "editing_window.h"
#include "mainwindow/nothing_due_window.h"
#include "widgets/mouse_label.h"

#include <QAccessible>
#include <QCalendarWidget>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

namespace {

// Orca 43's reading of a text: the attribute runs asked offset by offset and joined.
QString joinedRuns(QAccessibleTextInterface* text)
{
    const int count = text->characterCount();
    int offset = 0, joinedEnd = 0;
    while (offset < count) {
        int start = 0, end = 0;
        text->attributes(offset, &start, &end);
        joinedEnd = end;
        offset = qMax(end, offset + 1);
    }
    return text->text(0, qMin(count, joinedEnd));
}

} // namespace

class ScreenReaderTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        installScreenReaderSupport();
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    }

    void lineEditValueIsReadWhole_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("date") << "09/12/26";
        QTest::newRow("text") << "pagare bolletta luce";
        QTest::newRow("days, one digit") << "1";
        QTest::newRow("empty") << "";
    }
    void lineEditValueIsReadWhole()
    {
        QFETCH(QString, value);
        QWidget window;
        auto* edit = new QLineEdit(&window);
        edit->setText("x");
        edit->setText(value);
        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(edit);
        QVERIFY(i && i->textInterface());
        QCOMPARE(i->text(QAccessible::Value), value);
        QCOMPARE(joinedRuns(i->textInterface()), value);
    }

    void calendarNamesTheDayMovedTo_data()
    {
        QTest::addColumn<QDate>("selected");
        QTest::addColumn<int>("key"); // 0: the calendar just took the focus
        QTest::addColumn<QString>("name");
        QTest::newRow("focus") << QDate(2026, 12, 9) << 0 << "mercoledì 9 dicembre 2026";
        QTest::newRow("right") << QDate(2026, 12, 9) << int(Qt::Key_Right)
                               << "giovedì 10 dicembre 2026";
        QTest::newRow("down, next week")
            << QDate(2026, 12, 10) << int(Qt::Key_Down) << "giovedì 17 dicembre 2026";
        QTest::newRow("into the next month")
            << QDate(2026, 12, 31) << int(Qt::Key_Right) << "venerdì 1 gennaio 2027";
        QTest::newRow("into the month before")
            << QDate(2026, 12, 1) << int(Qt::Key_Left) << "lunedì 30 novembre 2026";
    }
    void calendarNamesTheDayMovedTo()
    {
        QFETCH(QDate, selected);
        QFETCH(int, key);
        QFETCH(QString, name);
        EditingWindow s(cardWith({}));
        QVERIFY(s.activated);
        s.platform.todayDate = selected;
        QTest::mouseClick(s.find<QPushButton>("cmdCal"), Qt::LeftButton);
        auto* view = s.find<QCalendarWidget>("Calendar1")
                         ->findChild<QTableView*>("qt_calendar_calendarview");
        QVERIFY(view);
        view->setFocus();
        if (key)
            QTest::keyClick(view, Qt::Key(key));
        QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(view);
        QVERIFY(grid && grid->focusChild());
        QCOMPARE(grid->focusChild()->text(QAccessible::Name), name);
        // Qt's focus and selection events give the day by the number Qt's own table
        // interface gives it: that child is the same day.
        QTableView plain;
        plain.setModel(view->model());
        plain.horizontalHeader()->hide();
        plain.verticalHeader()->hide();
        QAccessibleInterface* qt = QAccessible::queryAccessibleInterface(&plain);
        const QModelIndex current = view->currentIndex();
        const int number =
            qt->indexOfChild(qt->tableInterface()->cellAt(current.row(), current.column()));
        QCOMPARE(grid->child(number)->text(QAccessible::Name), name);
    }

    void calendarHeadingsAreDaysAndWeeks()
    {
        EditingWindow s(cardWith({}));
        s.find<QCalendarWidget>("Calendar1")->setCurrentPage(2026, 12);
        auto* grid = s.find<QCalendarWidget>("Calendar1")
                         ->findChild<QTableView*>("qt_calendar_calendarview");
        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(grid);
        QVERIFY(i && !i->tableInterface());
        QStringList headings, weeks;
        for (int c = 0; c < i->childCount(); ++c) {
            QAccessibleInterface* cell = i->child(c);
            if (cell && cell->role() == QAccessible::ColumnHeader)
                headings << cell->text(QAccessible::Name);
            if (cell && cell->role() == QAccessible::RowHeader)
                weeks << cell->text(QAccessible::Name);
        }
        QCOMPARE(headings, QStringList({"", "lunedì", "martedì", "mercoledì", "giovedì", "venerdì",
                                        "sabato", "domenica"}));
        QCOMPARE(weeks.first(), QString("settimana 49"));
    }

    void informationTextWithoutFramingLines_data()
    {
        QTest::addColumn<QString>("full");
        QTest::addColumn<QString>("read");
        QTest::newRow("framed title") << " -----\n TITOLO\n -----"
                                      << " TITOLO\n";
        QTest::newRow("underline") << "  IMPORTANTE!\n  -----------\n  testo"
                                   << "  IMPORTANTE!\n  testo";
        QTest::newRow("hyphens in words stay") << "- NOTE ED UTILIZZO -\nnon-stop"
                                               << "- NOTE ED UTILIZZO -\nnon-stop";
        QTest::newRow("two hyphens stay") << "--\nx"
                                          << "--\nx";
    }
    void informationTextWithoutFramingLines()
    {
        QFETCH(QString, full);
        QFETCH(QString, read);
        const ReaderText r = readerText(full);
        QCOMPARE(r.text, read);
        // Every character read is the one shown at the offset it maps to, and back.
        for (int offset = 0; offset < r.text.size(); ++offset) {
            QCOMPARE(full.at(r.toFull(offset)), r.text.at(offset));
            QCOMPARE(r.toReader(r.toFull(offset)), offset);
        }
    }

    void windowsAreNamedByTheirMessage()
    {
        NothingDueWindow window;
        QCOMPARE(QAccessible::queryAccessibleInterface(&window)->text(QAccessible::Name),
                 QString("Non ci sono scadenze immediate!"));
    }

    void aLabelMadeClickableLaterIsAButton()
    {
        // A reader listening while the window is built has Qt make the label's interface
        // before the layout makes it clickable.
        QWidget window;
        auto* label = new MouseLabel(&window);
        label->setText("Info");
        QCOMPARE(QAccessible::queryAccessibleInterface(label)->role(), QAccessible::StaticText);
        label->setKeyboardClickable();
        nameControls(&window);
        QCOMPARE(QAccessible::queryAccessibleInterface(label)->role(), QAccessible::Button);
    }

    void infoIsAButtonThatPresses()
    {
        EditingWindow s(cardWith({}));
        QAccessibleInterface* info =
            QAccessible::queryAccessibleInterface(s.find<MouseLabel>("Label1"));
        QCOMPARE(info->role(), QAccessible::Button);
        QVERIFY(info->actionInterface());
        info->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_VERIFY(s.w().isMinimized() || !s.w().isVisible());
    }
};

QTEST_MAIN(ScreenReaderTest)
#include "screen_reader_test.moc"
