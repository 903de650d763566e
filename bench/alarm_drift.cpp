// How far the alarm's tick count drifts from wall time: arms an alarm of N minutes
// (default 10) on the real main window, with the caption flicker running, and prints the
// wall time at which the notice opens. Run by hand; not part of the test suite.

#include "alarm/alarm_notice.h"
#include "mainwindow/main_window.h"
#include "mainwindow/nothing_due_window.h"
#include "platform/qt_platform.h"

#include <cstdio>
#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The bench builds without the tests' support library: its own lookup by name, which ends the
// run when a control is missing.
template <class T> T* control(const QObject* parent, const char* name)
{
    T* found = parent->findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control named %s", name);
    return found;
}

class BenchPlatform : public QtPlatform {
public:
    QString folder;
    QElapsedTimer sinceArming;
    qint64 noticeAtMs = -1;
    QString programFolder() override { return folder; }
    void playWave(const QString&) override {}
    int runModal(QDialog* dialog) override
    {
        if (qobject_cast<NothingDueWindow*>(dialog))
            return NothingDueWindow::Continue;
        if (auto* notice = qobject_cast<AlarmNotice*>(dialog)) {
            noticeAtMs = sinceArming.elapsed();
            notice->show();
            control<QPushButton>(notice, "Command1")->click();
            QCoreApplication::quit();
        }
        return dialog->result();
    }
};

void pick(QComboBox* box, const QString& text)
{
    box->showPopup();
    box->view()->setCurrentIndex(box->model()->index(box->findText(text), 0));
    QTest::keyClick(box->view(), Qt::Key_Return);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const int minutes = argc > 1 ? QString(argv[1]).toInt() : 10;
    QTemporaryDir work;
    QDir::setCurrent(work.path());
    BenchPlatform platform;
    platform.folder = work.path();
    Startup startup = startUp(platform);
    if (!startup.started)
        return 1;
    MainWindow w(platform, std::move(*startup.started));
    w.show();
    QTest::mouseClick(control<QPushButton>(&w, "Command5"), Qt::LeftButton);
    pick(control<QComboBox>(&w, "cboAl"), "Telefonata");
    pick(control<QComboBox>(&w, "cboMin"), QString::number(minutes));
    std::printf("armed %d minutes (target %s s), Timer1 %s\n", minutes,
                qPrintable(control<QLineEdit>(&w, "txtUltima")->text()),
                control<QTimer>(&w, "Timer1")->isActive() ? "on" : "off");
    std::fflush(stdout);
    platform.sinceArming.start();
    QTest::mouseClick(control<QPushButton>(&w, "cmdMinimiz"), Qt::LeftButton);
    QApplication::exec();
    const qint64 expected = qint64(minutes) * 60 * 1000;
    std::printf("notice after %lld ms, expected %lld ms: drift %+lld ms (%+.3f s per hour)\n",
                static_cast<long long>(platform.noticeAtMs), static_cast<long long>(expected),
                static_cast<long long>(platform.noticeAtMs - expected),
                (platform.noticeAtMs - expected) / 1000.0 * 60.0 / minutes);
    return 0;
}
