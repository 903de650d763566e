// The real platform's elapsed clock is the system's clock that counts sleep: each reading lies
// between two readings of that clock taken around it, and it never goes back.

#include "platform/qt_platform.h"

#include <QTest>
#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <ctime>
#endif

namespace {

// GetTickCount64 on Windows (it counts sleep and hibernation), CLOCK_BOOTTIME on Linux.
qint64 systemClockMs()
{
#ifdef Q_OS_WIN
    return qint64(GetTickCount64());
#else
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return qint64(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
#endif
}

} // namespace

class ElapsedClockTest : public QObject {
    Q_OBJECT
private slots:
    void readsTheClockThatCountsSleep()
    {
        QtPlatform platform;
        qint64 last = 0;
        for (int i = 0; i < 20; ++i) {
            const qint64 before = systemClockMs();
            const qint64 reading = platform.elapsedMs();
            const qint64 after = systemClockMs();
            QVERIFY2(
                before <= reading && reading <= after,
                qPrintable(QStringLiteral("%1 <= %2 <= %3").arg(before).arg(reading).arg(after)));
            QVERIFY(reading >= last);
            last = reading;
            QTest::qSleep(20);
        }
    }
};

QTEST_MAIN(ElapsedClockTest)
#include "elapsed_clock_test.moc"
