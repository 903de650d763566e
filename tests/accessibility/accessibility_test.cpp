// Every window of the main program as a screen reader finds it: each focusable control named,
// no name twice in a window, windows exposed as windows with their captions, and no control
// that lies hidden under another taking the focus.

#include "accessible_walk.h"
#include "alarm/alarm_notice.h"
#include "editing_window.h"
#include "info/info_window.h"
#include "mainwindow/nothing_due_window.h"
#include "types/types_window.h"

#include <QAccessible>
#include <QTest>

class AccessibilityTest : public QObject {
    Q_OBJECT

    // A shown window: names, its own role and caption, and what lies under what.
    static void checkWindow(QWidget* window)
    {
        const QStringList faults = accessibilityFaults(window);
        QVERIFY2(faults.isEmpty(), qPrintable(window->objectName() + ": " + faults.join("; ")));
        QAccessibleInterface* top = QAccessible::queryAccessibleInterface(window);
        QVERIFY(top);
        QVERIFY2(top->role() == QAccessible::Window || top->role() == QAccessible::Dialog,
                 qPrintable(window->objectName()));
        // By its caption, or its message where the caption is only its object's name.
        const QString name = top->text(QAccessible::Name);
        QVERIFY2(!name.isEmpty() && name != window->objectName(), qPrintable(name));
        QCOMPARE(name, window->accessibleName().isEmpty() ? window->windowTitle()
                                                          : window->accessibleName());
        for (const AccessibleControl& c : focusableControls(window)) {
            // What a panel covers is disabled while it does: it takes no focus then.
            if (!c.widget->isVisible() || !c.widget->isEnabled())
                continue;
            // Hidden when no point of a 3 x 3 grid over it finds it on top.
            bool seen = false;
            const QRect area = c.widget->rect().adjusted(2, 2, -2, -2);
            for (int i = 0; i < 9 && !seen; ++i) {
                const QPoint at(area.left() + area.width() * (i % 3) / 2,
                                area.top() + area.height() * (i / 3) / 2);
                const QWidget* top = window->childAt(c.widget->mapTo(window, at));
                seen = top == c.widget || c.widget->isAncestorOf(top);
            }
            QVERIFY2(seen, qPrintable(c.widget->objectName() + " lies under another control"));
        }
    }

private slots:
    void everyWindowNamesItsControlsOnce()
    {
        EditingWindow s(cardWith({}), "Tasse\r\nBollo\r\n");
        QVERIFY(s.started);
        NothingDueWindow form1;
        form1.show();
        checkWindow(&form1);

        // Two slots of one type: a combo's text is its value, not its name.
        s.find<QComboBox>("Combo1")->setCurrentIndex(
            s.find<QComboBox>("Combo1")->findText("Bollo"));
        s.find<QComboBox>("Combo2")->setCurrentIndex(
            s.find<QComboBox>("Combo2")->findText("Bollo"));
        QCOMPARE(QAccessible::queryAccessibleInterface(s.find<QComboBox>("Combo2"))
                     ->text(QAccessible::Value),
                 QString("Bollo"));
        // Both panels open, with the controls that only "Mio Allarme" shows.
        checkWindow(&s.w());
        QTest::mouseClick(s.find<QPushButton>("cmdCal"), Qt::LeftButton);
        QTest::mouseClick(s.find<QPushButton>("Command5"), Qt::LeftButton);
        s.find<QComboBox>("cboAl")->setCurrentIndex(
            s.find<QComboBox>("cboAl")->findText("Mio Allarme"));
        emit s.find<QComboBox>("cboAl")->activated(s.find<QComboBox>("cboAl")->currentIndex());
        QVERIFY(s.find<FileList>("File1")->isVisible() &&
                s.find<QCalendarWidget>("Calendar1")->isVisible());
        checkWindow(&s.w());

        QTest::keyClick(&s.w(), Qt::Key_F1);
        auto* form2 = s.w().findChild<InfoWindow*>();
        if (!form2) {
            for (QWidget* top : QApplication::topLevelWidgets())
                form2 = form2 ? form2 : qobject_cast<InfoWindow*>(top);
        }
        QVERIFY2(form2 && form2->isVisible(), "F1 opened no information window");
        checkWindow(form2);
        // The main window, minimized under it, keeps its caption for a name.
        QVERIFY(s.w().isMinimized());
        QCOMPARE(QAccessible::queryAccessibleInterface(&s.w())->text(QAccessible::Name),
                 s.w().windowTitle());

        TypesWindow lista(s.platform, s.folders.programFile("lista.txt"));
        lista.show();
        checkWindow(&lista);

        AlarmNotice notice(QString(), QString(), QString(), s.platform);
        notice.show();
        checkWindow(&notice);
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
