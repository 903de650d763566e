// Pontilo's window in this process, offscreen, with the profile folders in a temporary folder.

#include "accessible_walk.h"
#include "installer/installer_window.h"
#include "installer/platform_folders.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

struct Observation {
    QString label;
    bool startUpWritten;
    bool programsWritten;
};

} // namespace

class InstallerWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void layoutAndInitialTexts();
    void startUpThenProgramsThenOkThenEnd();
    void failureShowsOneBoxAndNothingAfter_data();
    void failureShowsOneBoxAndNothingAfter();
    void screenReaderFindsAWindowAndNoUnseenBox();

private:
    std::unique_ptr<QTemporaryDir> profile;
    QString autostart() const { return profile->filePath("config/autostart"); }
    QString applications() const { return profile->filePath("data/applications"); }
};

void InstallerWindowTest::init()
{
    profile = std::make_unique<QTemporaryDir>();
    QVERIFY(profile->isValid());
    qputenv("XDG_CONFIG_HOME", profile->filePath("config").toUtf8());
    qputenv("XDG_DATA_HOME", profile->filePath("data").toUtf8());
}

void InstallerWindowTest::layoutAndInitialTexts()
{
    InstallerWindow form;
    QCOMPARE(form.windowTitle(), QStringLiteral("Aggiunge link ad Esecuzione automaticha"));
    QCOMPARE(form.size(), QSize(312, 46));
    QCOMPARE(form.minimumSize(), form.maximumSize());
    QVERIFY(!(form.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!(form.windowFlags() & Qt::WindowMinimizeButtonHint));
    QCOMPARE(form.palette().color(QPalette::Window), QColor(0, 0, 64));

    auto* label = form.findChild<QLabel*>("Label6");
    QVERIFY(label);
    QCOMPARE(label->text(), QStringLiteral("Attendere..."));
    QCOMPARE(label->geometry(), QRect(40, 8, 241, 33));
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 255, 0));
    QCOMPARE(label->font().family(), QStringLiteral("MS Sans Serif"));
    QCOMPARE(label->font().pointSize(), 18);
    QVERIFY(label->alignment() & Qt::AlignHCenter);
    QVERIFY(!label->autoFillBackground());

    auto* frame = form.findChild<QGroupBox*>("Frame1");
    QVERIFY(frame);
    QCOMPARE(frame->title(), QStringLiteral("Crea un collegamento"));
    QCOMPARE(frame->geometry(), QRect(80, 152, 385, 177));
    QVERIFY(frame->geometry().top() >= form.height());

    const QString folder = QCoreApplication::applicationDirPath();
    const QList<QPair<const char*, QString>> boxes = {
        {"txtTarget", QDir::toNativeSeparators(folder + "/" + platformMainProgramFileName())},
        {"txtDescription", "Coll"},
        {"txtArguments", ""},
        {"txtStartIn", QDir::toNativeSeparators(folder)},
        {"txtName", "Tempestina10"},
        {"Text1", ""}};
    for (const auto& [name, text] : boxes) {
        auto* box = frame->findChild<QLineEdit*>(name);
        QVERIFY2(box, name);
        QCOMPARE(box->text(), text);
    }
    const QList<QPair<const char*, QString>> labels = {{"label1", "Nome File"},
                                                       {"Label2", "Descrizione"},
                                                       {"Label3", "Argomenti"},
                                                       {"Label4", "Da"},
                                                       {"Label5", "Nome link"}};
    for (const auto& [name, text] : labels) {
        auto* l = frame->findChild<QLabel*>(name);
        QVERIFY2(l, name);
        QCOMPARE(l->text(), text);
        QVERIFY(l->alignment() & Qt::AlignRight);
    }

    for (const char* name : {"Timer1", "Timer2", "Timer3"}) {
        auto* timer = form.findChild<QTimer*>(name);
        QVERIFY2(timer, name);
        QCOMPARE(timer->interval(), 1000);
        QCOMPARE(timer->isActive(), QByteArray(name) == "Timer1");
    }
}

void InstallerWindowTest::startUpThenProgramsThenOkThenEnd()
{
    InstallerWindow form;
    form.show();
    auto* label = form.findChild<QLabel*>("Label6");
    QList<Observation> seen;
    QTimer watch;
    connect(&watch, &QTimer::timeout, [&] {
        seen.append({label->text(), QFile::exists(autostart() + "/Tempestina10.desktop"),
                     QFile::exists(applications() + "/Tempestina10.desktop")});
    });
    watch.start(50);
    QElapsedTimer clock;
    clock.start();
    QTRY_VERIFY_WITH_TIMEOUT(!form.isVisible(), 5000);
    QVERIFY2(clock.elapsed() >= 2500, "ended before its three steps");

    bool sawStartUpAlone = false;
    bool sawOk = false;
    for (const Observation& o : seen) {
        if (o.startUpWritten && !o.programsWritten) {
            sawStartUpAlone = true;
            QCOMPARE(o.label, QStringLiteral("Attendere..."));
        }
        if (o.label == QStringLiteral("OK!")) {
            sawOk = true;
            QVERIFY(o.startUpWritten && o.programsWritten);
        }
        QVERIFY(!o.programsWritten || o.startUpWritten);
    }
    QVERIFY2(sawStartUpAlone, "the Programs shortcut came with the start-up one");
    QVERIFY(sawOk);
    for (const QString& folder : {autostart(), applications()}) {
        QVERIFY(QFile::exists(folder + "/Tempestina10.lnk"));
        QFile entry(folder + "/Tempestina10.desktop");
        QVERIFY(entry.open(QIODevice::ReadOnly));
        const QString exec = "Exec=\"" + QCoreApplication::applicationDirPath() + "/Tempestina10\"";
        QVERIFY2(QString::fromUtf8(entry.readAll()).contains(exec), qPrintable(exec));
    }
}

void InstallerWindowTest::failureShowsOneBoxAndNothingAfter_data()
{
    QTest::addColumn<bool>("startUpFails");
    QTest::newRow("start-up folder") << true;
    QTest::newRow("Programs folder") << false;
}

void InstallerWindowTest::failureShowsOneBoxAndNothingAfter()
{
    QFETCH(bool, startUpFails);
    // A file where the base folder should be: the shortcut folder cannot be made.
    QFile blocker(profile->filePath(startUpFails ? "config" : "data"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString failing = startUpFails ? autostart() : applications();
    const QString startUpLink = autostart() + "/Tempestina10.lnk";

    InstallerWindow form;
    form.show();
    auto* label = form.findChild<QLabel*>("Label6");
    QSet<QMessageBox*> boxes;
    QString boxText;
    bool sawOk = false;
    QDateTime linkTimeAtBox;
    QElapsedTimer firstBox;
    QTimer watch;
    connect(&watch, &QTimer::timeout, [&] {
        sawOk = sawOk || label->text() == QStringLiteral("OK!");
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(w);
            if (box == nullptr || !box->isVisible())
                continue;
            if (boxes.isEmpty()) {
                firstBox.start();
                linkTimeAtBox = QFileInfo(startUpLink).lastModified();
            }
            boxes.insert(box);
            boxText = box->text();
            // Left open long enough for the timers to tick again, were they still running.
            if (firstBox.elapsed() > 2500)
                box->accept();
        }
    });
    watch.start(50);
    QTRY_VERIFY_WITH_TIMEOUT(!form.isVisible(), 8000);

    QCOMPARE(boxes.size(), 1);
    QVERIFY2(boxText.contains(QDir::toNativeSeparators(failing)), qPrintable(boxText));
    QVERIFY2(
        boxText.contains(QStringLiteral("una parte del percorso è un file e non una cartella")),
        qPrintable(boxText));
    QVERIFY(!sawOk);
    QCOMPARE(label->text(), QStringLiteral("Attendere..."));
    if (startUpFails) {
        QVERIFY2(!QFile::exists(applications()), "the Programs step ran after the failure");
    } else {
        QVERIFY(QFile::exists(startUpLink));
        QCOMPARE(QFileInfo(startUpLink).lastModified(), linkTimeAtBox);
    }
}

void InstallerWindowTest::screenReaderFindsAWindowAndNoUnseenBox()
{
    InstallerWindow form;
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&form);
    QVERIFY(window);
    QCOMPARE(window->role(), QAccessible::Window);
    QCOMPARE(window->text(QAccessible::Name), form.windowTitle());
    // The parameter boxes lie below the window's edge: no key may reach them unseen.
    QStringList focusable;
    for (const AccessibleControl& c : focusableControls(&form))
        focusable << c.widget->objectName();
    QVERIFY2(focusable.isEmpty(), qPrintable(focusable.join(' ')));
    auto* name = form.findChild<QLineEdit*>("txtName");
    QCOMPARE(QAccessible::queryAccessibleInterface(name)->text(QAccessible::Name),
             QStringLiteral("Nome link"));
}

QTEST_MAIN(InstallerWindowTest)
#include "installer_window_test.moc"
