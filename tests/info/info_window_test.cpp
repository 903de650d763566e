// The information window: as created, opened from the main window by click and keys, and
// every way it closes bringing the main window back.

#include "info/info_window.h"
#include "started_window.h"

#include <functional>
#include <QApplication>
#include <QTest>

class InfoWindowTest : public QObject {
    Q_OBJECT

    // Slot 1 due today: no nothing-due window at the start.
    static std::unique_ptr<StartedWindow> startWith(const DeadlineCard& card, QDate today)
    {
        auto s = std::make_unique<StartedWindow>();
        s->platform.todayDate = today;
        s->folders.writeCard(card);
        s->start();
        return s;
    }

    static QWidget* visibleForm2()
    {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->objectName() == "Form2" && top->isVisible())
                return top;
        }
        return nullptr;
    }

private slots:
    void form2AsCreated()
    {
        QWidget host;
        InfoWindow form2(&host);
        QCOMPARE(form2.windowTitle(), QString("Tempestina10 - Info"));
        form2.show();
        QVERIFY(findControl<MouseLabel>(&form2, "Image2")->isVisible());
        QVERIFY(!findControl<MouseLabel>(&form2, "Image3")->isVisible());
        QVERIFY(
            findControl<QPlainTextEdit>(&form2, "Text1")->toPlainText().contains("TEMPESTINA10"));
        QVERIFY(
            findControl<QPlainTextEdit>(&form2, "Text1")->toPlainText().contains("ARCHIVIO.DAT"));
        QVERIFY(findControl<QPlainTextEdit>(&form2, "Text1")->toPlainText().count('\n') > 100);
    }

    void infoOpensForm2AndMinimisesItsButtonRestores()
    {
        auto s = startWith(cardWith({{1, {"10/03/05", "", "1"}}}), QDate(2005, 3, 10));
        s->window->show();
        QVERIFY(QTest::qWaitForWindowActive(s->window.get()));
        // The click on "Info", and for the keyboard F1 and Enter on "Info".
        const std::function<void()> ways[] = {
            [&] { QTest::mouseClick(s->find<MouseLabel>("Label1"), Qt::LeftButton); },
            [&] { QTest::keyClick(s->window.get(), Qt::Key_F1); },
            [&] { QTest::keyClick(s->find<MouseLabel>("Label1"), Qt::Key_Return); },
        };
        for (const auto& open : ways) {
            open();
            QWidget* form2 = visibleForm2();
            QVERIFY(form2);
            QVERIFY(s->window->isMinimized());
            // The one clock goes on while InfoWindow, whose banner it moves, is in sight.
            QVERIFY(s->find<QTimer>("Timer1")->isActive());
            auto* exit = form2->findChild<QPushButton*>("Command1");
            QTest::mouseClick(exit, Qt::LeftButton);
            QVERIFY(!s->window->isMinimized());
            QTRY_VERIFY(!form2->isVisible());
            QApplication::setActiveWindow(s->window.get());
            QVERIFY(QTest::qWaitForWindowActive(s->window.get()));
        }
    }

    void everyCloseOfTheInfoWindowBringsTheMainWindowBack_data()
    {
        QTest::addColumn<int>("way");
        QTest::newRow("Esci") << 0;
        QTest::newRow("Escape") << 1;
        QTest::newRow("window manager") << 2;
    }
    void everyCloseOfTheInfoWindowBringsTheMainWindowBack()
    {
        QFETCH(int, way);
        auto s = startWith(cardWith({{1, {"10/03/05", "", "1"}}}), QDate(2005, 3, 10));
        s->window->show();
        QVERIFY(QTest::qWaitForWindowActive(s->window.get()));
        QTest::keyClick(s->window.get(), Qt::Key_F1);
        QWidget* info = visibleForm2();
        QVERIFY(info);
        QVERIFY(QTest::qWaitForWindowActive(info));
        if (way == 0)
            QTest::mouseClick(info->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        else if (way == 1)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        else
            info->close();
        QTRY_VERIFY(!info->isVisible());
        QVERIFY(s->window->isVisible() && !s->window->isMinimized());
        QTRY_VERIFY(s->window->isActiveWindow());
    }

    void form2LeftAfterTheMainWindowClosedDoesNotBringItBack()
    {
        auto s = startWith(cardWith({{1, {"10/03/05", "", "1"}}}), QDate(2005, 3, 10));
        s->window->show();
        QTest::mouseClick(s->find<MouseLabel>("Label1"), Qt::LeftButton);
        QWidget* form2 = visibleForm2();
        QVERIFY(form2);
        QVERIFY(s->window->close()); // saved and closed
        QTest::mouseClick(form2->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        QVERIFY(!s->window->isVisible());
        QTRY_VERIFY(!form2->isVisible());
    }
};

QTEST_MAIN(InfoWindowTest)
#include "info_window_test.moc"
