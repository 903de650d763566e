// On a real X server: the real main window with the real platform arms a 1-minute alarm,
// its tick shortened and its elapsed clock sped up inside this test only, and the notice
// window appears over the minimised window and is acknowledged.

#include "alarm/alarm_notice.h"
#include "mainwindow/nothing_due_window.h"
#include "platform/qt_platform.h"
#include "started_window.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <QWindow>

namespace {

// The real platform, with a program folder of the test's own, the sounds recorded, and the
// system's elapsed clock a hundred times as fast: the minute passes in 0.6 s.
class TestPlatform : public QtPlatform {
public:
    QString folder;
    QStringList played;
    QString programFolder() override { return folder; }
    qint64 elapsedMs() override { return QtPlatform::elapsedMs() * 100; }
    void playWave(const QString& path) override
    {
        played << path;
        QtPlatform::playWave(path);
    }
};

bool multimediaLoaded()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6Multimedia");
}

// The time from the tick that opens the notice to its first exposure on screen.
class NoticeTiming : public QObject {
public:
    explicit NoticeTiming(QTimer* ticks) : m_ticks(ticks) {}
    qint64 exposedAfterMs = -1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* notice = qobject_cast<AlarmNotice*>(QApplication::activeModalWidget());
        if (watched == m_ticks && event->type() == QEvent::Timer && !notice)
            m_sinceTick.start();
        else if (event->type() == QEvent::Expose && exposedAfterMs < 0 && notice &&
                 watched == notice->windowHandle() && notice->windowHandle()->isExposed())
            exposedAfterMs = m_sinceTick.elapsed();
        return false;
    }

private:
    QTimer* m_ticks;
    QElapsedTimer m_sinceTick;
};

} // namespace

class AlarmXTest : public QObject {
    Q_OBJECT

    static void pick(QComboBox* box, const QString& text)
    {
        const int index = box->findText(text, Qt::MatchExactly);
        QVERIFY(index >= 0);
        box->showPopup();
        QAbstractItemView* view = box->view();
        view->setCurrentIndex(box->model()->index(index, 0));
        QTest::keyClick(view, Qt::Key_Return);
        QCOMPARE(box->currentText(), text);
    }

private slots:
    void noticeAppearsOnScreenWhenTheCountReachesTheTarget()
    {
        QCOMPARE(QGuiApplication::platformName(), QString("xcb"));
        TestFolders folders;
        TestPlatform platform;
        platform.folder = folders.programPath();
        // The real sound: the notice's first one, through the sound module.
        QVERIFY(QFile::copy(T10_SOUNDS "/tel.wav", folders.programFile("tel.wav")));

        // Answers the modal windows as a user would: on through Form1, then reads the notice.
        QString noticeType, noticeText;
        QSize outline;
        bool noticeExposed = false, mainMinimised = false, flickerHeld = false;
        QTimer user;
        user.setInterval(20);
        MainWindow* window = nullptr;
        connect(&user, &QTimer::timeout, this, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* form1 = qobject_cast<NothingDueWindow*>(modal)) {
                QTest::mouseClick(findControl<QPushButton>(form1, "Command2"), Qt::LeftButton);
            } else if (auto* notice = qobject_cast<AlarmNotice*>(modal)) {
                if (!notice->windowHandle() || !notice->windowHandle()->isExposed())
                    return;
                noticeExposed = true;
                noticeType = findControl<MouseLabel>(notice, "Label2")->text();
                noticeText = findControl<MouseLabel>(notice, "Label3")->text();
                outline = notice->mask().boundingRect().size();
                mainMinimised = window && window->isMinimized();
                // The caption's clock rests while minimised; the alarm's went on counting.
                flickerHeld = window && !findControl<QTimer>(window, "Timer1")->isActive();
                QTest::mouseClick(findControl<QPushButton>(notice, "Command1"), Qt::LeftButton);
            }
        });
        user.start();

        const std::unique_ptr<MainWindow> started = startMainWindow(platform);
        QVERIFY(started);
        MainWindow& w = *started;
        window = &w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));

        QTest::mouseClick(findControl<QPushButton>(&w, "Command5"), Qt::LeftButton);
        pick(findControl<QComboBox>(&w, "cboAl"), "Telefonata");
        pick(findControl<QComboBox>(&w, "cboMin"), "1");
        QTest::keyClicks(findControl<LimitedTextEdit>(&w, "TestoAl"), "Richiamare");
        findControl<QTimer>(&w, "tmrAll")->setInterval(10);
        NoticeTiming timing(findControl<QTimer>(&w, "tmrAll"));
        qApp->installEventFilter(&timing);
        QVERIFY(!multimediaLoaded());
        QTest::mouseClick(findControl<QPushButton>(&w, "cmdMinimiz"), Qt::LeftButton);
        QVERIFY(w.isMinimized());
        // Ready while the count runs, not when the notice opens.
        QVERIFY(multimediaLoaded());

        QTRY_VERIFY_WITH_TIMEOUT(noticeExposed, 20000);
        qInfo("notice exposed %lld ms after its tick", timing.exposedAfterMs);
        QTRY_VERIFY_WITH_TIMEOUT(!findControl<QTimer>(&w, "tmrAll")->isActive(), 5000);
        QCOMPARE(noticeType, QString("Telefonata"));
        QCOMPARE(noticeText, QString("Richiamare"));
        QVERIFY(mainMinimised);
        QVERIFY(flickerHeld);
        QCOMPARE(outline, QSize(241, 249));
        QCOMPARE(platform.played, QStringList{folders.programPath() + "/tel.wav"});
        QVERIFY(!w.isMinimized());
        QCOMPARE(w.windowTitle(), QString("Tempestina10"));
        QVERIFY(findControl<QPushButton>(&w, "Command5")->isEnabled());
        user.stop();
    }
};

QTEST_MAIN(AlarmXTest)
#include "alarm_x_test.moc"
