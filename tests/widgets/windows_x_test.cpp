// The windows on a real X server: each one shown and photographed, and the rounded
// windows really masked, so that their corners show what lies behind them.

#include "alarm/alarm_notice_layout.h"
#include "info/info_window.h"
#include "mainwindow/nothing_due_window.h"
#include "started_window.h"
#include "types/types_window_layout.h"
#include "widgets/look.h"
#include "widgets/rounded_outline.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>

class WindowsOnXTest : public QObject {
    Q_OBJECT

    // A magenta backdrop: whatever a mask cuts away shows it.
    QWidget m_backdrop;

    static QImage photograph(QWidget& window)
    {
        QTest::qWait(300); // let the X server draw
        QScreen* screen = QGuiApplication::primaryScreen();
        const QRect frame = window.frameGeometry();
        return screen->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height()).toImage();
    }

    static void save(const QImage& image, const QString& name)
    {
        const QString dir = qEnvironmentVariable("T10_SCREENSHOTS");
        if (dir.isEmpty())
            return;
        QDir().mkpath(dir);
        QVERIFY(image.save(QDir(dir).filePath(name + ".png")));
    }

    void checkRoundedCorners(QWidget& window, const QString& name)
    {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QImage shot = photograph(window);
        save(shot, name);
        const QColor magenta(255, 0, 255);
        QCOMPARE(shot.pixelColor(0, 0), magenta);
        QCOMPARE(shot.pixelColor(shot.width() - 1, shot.height() - 1), magenta);
        QVERIFY(shot.pixelColor(shot.width() / 2, 1) != magenta);
    }

private slots:
    void initTestCase()
    {
        installFontSubstitutions();
        m_backdrop.setStyleSheet("background: #ff00ff");
        m_backdrop.setGeometry(QGuiApplication::primaryScreen()->geometry());
        m_backdrop.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m_backdrop));
    }

    void mainWindowIsShownAndPhotographed()
    {
        StartedWindow s;
        QVERIFY(s.start());
        MainWindow& w = s.w();
        w.move(0, 0);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QImage shot = photograph(w);
        save(shot, "frmTelefono");
        QVERIFY(shot.width() >= 780);

        // The middle button pastes X's selection into a date box through the typing filter
        // (Windows has no selection).
        if (QGuiApplication::clipboard()->supportsSelection()) {
            QGuiApplication::clipboard()->setText("3.4.2005 x", QClipboard::Selection);
            QTest::mouseClick(s.find<QLineEdit>("D2"), Qt::MiddleButton);
            QCOMPARE(s.find<QLineEdit>("D2")->text(), QString("3/4/2005"));
        }
    }

    void form1IsRounded()
    {
        NothingDueWindow form1;
        checkRoundedCorners(form1, "Form1");
    }

    void frmListaIsRoundedWithItsSmallerCorners()
    {
        QDialog lista;
        Ui::TypesWindow ui;
        ui.setupUi(&lista);
        setRoundedOutline(&lista, Ui::kTypesWindowTwips, 20);
        checkRoundedCorners(lista, "frmLista");
        // A 20-pixel corner ellipse leaves pixel (4, 4) inside, a 40-pixel one would not.
        QVERIFY(photograph(lista).pixelColor(4, 4) != QColor(255, 0, 255));
    }

    void form3IsRounded()
    {
        QDialog notice;
        Ui::AlarmNotice ui;
        ui.setupUi(&notice);
        setRoundedOutline(&notice, Ui::kAlarmNoticeTwips, 40);
        checkRoundedCorners(notice, "Form3");
    }

    void form2IsShownWithItsText()
    {
        QWidget host;
        InfoWindow form2(&host);
        form2.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form2));
        const QImage shot = photograph(form2);
        save(shot, "Form2");
        // Not rounded: its corner is its own.
        QVERIFY(shot.pixelColor(0, 0) != QColor(255, 0, 255));
    }
};

QTEST_MAIN(WindowsOnXTest)
#include "windows_x_test.moc"
