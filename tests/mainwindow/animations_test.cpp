// The main window's visual behaviours: the caption flicker, the colour cascade of the slot
// texts after the start, and the looks of the "Info" link.

#include "started_window.h"
#include "widgets/frame_animation.h"
#include "widgets/look.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMovie>
#include <QPaintEvent>
#include <QScopeGuard>
#include <QTest>

namespace {

void tick(QTimer* timer)
{
    QVERIFY(QMetaObject::invokeMethod(timer, "timeout"));
}

QPixmap filled(const QColor& colour)
{
    QPixmap picture(122, 116);
    picture.fill(colour);
    return picture;
}

// Which of the two caption pictures imgCorrente shows: 1, 2, or 0 for neither.
int shownPicture(const QWidget* w)
{
    const qint64 key = findControl<MouseLabel>(w, "imgCorrente")->shownPicture().cacheKey();
    if (findControl<MouseLabel>(w, "imgCorrente")->shownPicture().isNull())
        return 0;
    return key == findControl<MouseLabel>(w, "imgScritta01")->pixmap().cacheKey()   ? 1
           : key == findControl<MouseLabel>(w, "imgScritta02")->pixmap().cacheKey() ? 2
                                                                                    : 0;
}

// Counts paints per widget, to see what a tick makes the window draw again.
class PaintCounter : public QObject {
public:
    QHash<QString, int> paints;
    QHash<QString, QRegion> areas;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            ++paints[watched->objectName()];
            areas[watched->objectName()] += static_cast<QPaintEvent*>(event)->region();
        }
        return false;
    }
};

// Every pixel in which two pictures differ, found one by one.
QList<QPoint> pixelsThatDiffer(const QImage& a, const QImage& b)
{
    QList<QPoint> differ;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y))
                differ.append({x, y});
        }
    }
    return differ;
}

bool allInside(const QList<QPoint>& points, const QRegion& area)
{
    return std::all_of(points.cbegin(), points.cend(),
                       [&area](const QPoint& p) { return area.contains(p); });
}

// Records the order in which the slot texts take a new background.
class RecolourLog : public QObject {
public:
    struct Entry {
        int slot;
        qint64 ms;
    };
    QList<Entry> entries;
    QElapsedTimer clock;
    std::array<SlotRow, 10> rows{};

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::PaletteChange)
            return false;
        for (int i = 0; i < 10; ++i) {
            if (rows[i].text == watched && backColour(rows[i].text) == toolTipColour())
                entries.append({i + 1, clock.elapsed()});
        }
        return false;
    }
};

} // namespace

class AnimationsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<StartedWindow> m_started;
    FakePlatform* m_platform = nullptr;

    // Slot 1 due today (so no Form1), slot 4 due soon, slot 6 expired two days ago. The
    // window lives until the test's end.
    MainWindow* makeWindow()
    {
        m_started = std::make_unique<StartedWindow>();
        m_started->folders.writeCard(cardWith({{1, {"10/03/05", "Bollo", "1"}},
                                               {4, {"12/03/05", "Luce", "2"}},
                                               {6, {"08/03/05", "Gas", "1"}}}));
        m_platform = &m_started->platform;
        return m_started->start() ? m_started->window.get() : nullptr;
    }

    static QPoint centreOf(const QWidget* w) { return w->rect().center(); }

private slots:
    void cleanup() { m_started.reset(); }

    void flickerAlternatesThePicturesAndRestsOutOfSight()
    {
        auto w = makeWindow();
        QVERIFY(w);
        QTimer* Timer1 = findControl<QTimer>(w, "Timer1");
        QVERIFY(Timer1->isActive());
        QCOMPARE(Timer1->interval(), 50);
        Timer1->stop(); // the test gives the ticks itself
        findControl<MouseLabel>(w, "imgScritta01")->setPixmap(filled(Qt::red));
        findControl<MouseLabel>(w, "imgScritta02")->setPixmap(filled(Qt::blue));
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QCOMPARE(shownPicture(w), 0);

        tick(Timer1);
        QCOMPARE(shownPicture(w), 1);
        QCOMPARE(
            findControl<MouseLabel>(w, "imgCorrente")->shownPicture().toImage().pixelColor(5, 5),
            QColor(Qt::red));
        tick(Timer1);
        QCOMPARE(shownPicture(w), 2);
        tick(Timer1);
        QCOMPARE(shownPicture(w), 1);

        // Out of sight the clock rests; back in sight the picture is the one that the ticks
        // of the time away would have left, and the clock goes on.
        const struct {
            bool minimise;
            int awayMs;
            int shown;
        } aways[] = {{true, 3 * 50 + 20, 2}, {true, 4 * 50 + 10, 2}, {false, 50, 1}, {true, 0, 1}};
        for (const auto& away : aways) {
            Timer1->start();
            if (away.minimise)
                w->showMinimized();
            else
                w->hide();
            QVERIFY(!Timer1->isActive());
            m_platform->nowTime = m_platform->nowTime.addMSecs(away.awayMs);
            if (away.minimise)
                w->showNormal();
            else
                w->show();
            QVERIFY(Timer1->isActive());
            Timer1->stop();
            QCOMPARE(shownPicture(w), away.shown);
        }
    }

    void animatedPicturesMoveOnlyOnTheFlickerTick()
    {
        auto w = makeWindow();
        QVERIFY(w);
        QTimer* Timer1 = findControl<QTimer>(w, "Timer1");
        MouseLabel* Image2 = findControl<MouseLabel>(w, "Image2");
        Timer1->stop();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        // No picture runs on a clock of its own.
        for (QMovie* movie : w->findChildren<QMovie*>())
            QCOMPARE(movie->state(), QMovie::NotRunning);
        const qint64 first = Image2->shownPicture().cacheKey();
        QVERIFY(!Image2->shownPicture().isNull());
        QTest::qWait(300);
        QCOMPARE(Image2->shownPicture().cacheKey(), first);
        // The globe's frames last 250 ms: five ticks.
        for (int i = 0; i < 4; ++i)
            tick(Timer1);
        QCOMPARE(Image2->shownPicture().cacheKey(), first);
        tick(Timer1);
        const qint64 second = Image2->shownPicture().cacheKey();
        QVERIFY(second != first);
        // Minimised, the frames are held.
        w->showMinimized();
        for (int i = 0; i < 10; ++i)
            tick(Timer1);
        QCOMPARE(Image2->shownPicture().cacheKey(), second);
    }

    void animatedPictureChangesOnlyInsideTheAreaItRedraws_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QSize>("scaledTo");
        QTest::newRow("globe, stretched") << ":/globe150.gif" << QSize(174, 166);
        QTest::newRow("brand") << ":/brand158x52.gif" << QSize();
        QTest::newRow("Form2 banner, stretched") << ":/banner210x40.gif" << QSize(210, 40);
    }

    void animatedPictureChangesOnlyInsideTheAreaItRedraws()
    {
        QFETCH(QString, file);
        QFETCH(QSize, scaledTo);
        FrameAnimation animation;
        QVERIFY(animation.load(file, scaledTo));
        const QImage first = animation.current().toImage();
        QImage before = first;
        int frames = 0;
        // Once round the loop and into the next: the first frame follows the last.
        for (int ms = 0; ms < 60000 && frames <= 40; ms += 50) {
            const QRect redrawn = animation.advance(50);
            const QImage now = animation.current().toImage();
            QVERIFY2(allInside(pixelsThatDiffer(before, now), redrawn),
                     qPrintable(QString("frame %1").arg(frames)));
            if (!redrawn.isEmpty()) {
                QVERIFY(now.rect().contains(redrawn));
                ++frames;
            }
            before = now;
            if (frames > 1 && now == first)
                break;
        }
        QVERIFY(frames > 1);
        QCOMPARE(before, first);
    }

    void flickerChangesTheCaptionEveryFiftyMs()
    {
        auto w = makeWindow();
        QVERIFY(w);
        MouseLabel* imgCorrente = findControl<MouseLabel>(w, "imgCorrente");
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        int changes = 0;
        qint64 last = imgCorrente->shownPicture().cacheKey();
        connect(findControl<QTimer>(w, "Timer1"), &QTimer::timeout, w, [&] {
            const qint64 key = imgCorrente->shownPicture().cacheKey();
            changes += key != last;
            last = key;
        });
        QTest::qWait(1000);
        // Twenty at 50 ms; a busy machine may delay a few ticks, never add one.
        QVERIFY2(changes >= 15 && changes <= 21, qPrintable(QString::number(changes)));
    }

    void flickerTickRepaintsOnlyTheCaptionPicture()
    {
        // The caret of the focused box blinks on its own clock: hold it still too.
        const int flashTime = QApplication::cursorFlashTime();
        QApplication::setCursorFlashTime(0);
        const auto restoreFlash =
            qScopeGuard([flashTime] { QApplication::setCursorFlashTime(flashTime); });
        auto w = makeWindow();
        QVERIFY(w);
        QTimer* Timer1 = findControl<QTimer>(w, "Timer1");
        const std::array<SlotRow, 10> rows = slotRows(w);
        Timer1->stop();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QTRY_VERIFY(!rows[9].cascade->isActive() && backColour(findControl<QLineEdit>(w, "R10")) ==
                                                        toolTipColour()); // cascade done
        tick(Timer1); // the first picture is drawn whole
        QTest::qWait(100);

        PaintCounter counter;
        for (QWidget* child : w->findChildren<QWidget*>())
            child->installEventFilter(&counter);
        w->installEventFilter(&counter);
        for (int i = 0; i < 4; ++i) {
            tick(Timer1);
            QTest::qWait(30);
        }
        QVERIFY(counter.paints.value("imgCorrente") >= 1);
        // What the two pictures share is not drawn again, what they do not share always is.
        const QList<QPoint> differ =
            pixelsThatDiffer(findControl<MouseLabel>(w, "imgScritta01")->pixmap().toImage(),
                             findControl<MouseLabel>(w, "imgScritta02")->pixmap().toImage());
        QVERIFY(!differ.isEmpty());
        QVERIFY(allInside(differ, counter.areas.value("imgCorrente")));
        QVERIFY(!counter.areas.value("imgCorrente").contains(QPoint(0, 0)));
        // Controls lying over the picture's edge share its pixels; nothing else repaints.
        for (auto it = counter.paints.cbegin(); it != counter.paints.cend(); ++it) {
            auto* painted = w->findChild<QWidget*>(it.key());
            if (it.key() != "imgCorrente" &&
                (!painted || !painted->geometry().intersects(
                                 findControl<MouseLabel>(w, "imgCorrente")->geometry())))
                QFAIL(qPrintable("a flicker tick repainted " + it.key()));
        }
        QVERIFY(!counter.paints.contains("frmTelefono"));
        QVERIFY(!counter.paints.contains("Image1"));

        counter.paints.clear();
        w->showMinimized();
        QTest::qWait(50);
        counter.paints.clear();
        for (int i = 0; i < 4; ++i) {
            tick(Timer1);
            QTest::qWait(30);
        }
        QCOMPARE(counter.paints.value("imgCorrente"), 0);
    }

    void cascadeRecoloursSlotTextsTopToBottomOnceEach()
    {
        auto w = makeWindow();
        QVERIFY(w);
        const std::array<SlotRow, 10> rows = slotRows(w);
        const QColor startColours[10] = {{0, 0, 64},  {0, 0, 64},  {0, 0, 64},  {0, 0, 128},
                                         {0, 0, 128}, {0, 0, 128}, {0, 0, 192}, {0, 0, 192},
                                         {0, 0, 255}, {0, 0, 255}};
        for (int i = 0; i < 10; ++i)
            QCOMPARE(backColour(rows[i].text), startColours[i]);
        RecolourLog log;
        log.rows = rows;
        for (const SlotRow& s : rows)
            s.text->installEventFilter(&log);
        log.clock.start();
        // The start leaves the status colours of the date and days boxes.
        QList<QColor> statusColours;
        for (const SlotRow& s : rows)
            statusColours << backColour(s.date) << backColour(s.days);
        QCOMPARE(backColour(findControl<QLineEdit>(w, "txtTelefono")), QColor(255, 0, 0));
        QCOMPARE(backColour(findControl<QLineEdit>(w, "seg4")), QColor(192, 64, 0));
        QCOMPARE(backColour(findControl<QLineEdit>(w, "seg6")), QColor(192, 255, 192));

        // Only the first cascade timer runs, and nothing is recoloured before its tick.
        QVERIFY(findControl<QTimer>(w, "Timer2")->isActive());
        for (int i = 1; i < 10; ++i)
            QVERIFY(!rows[i].cascade->isActive());
        QVERIFY(log.entries.isEmpty());

        w->show();
        QTRY_COMPARE_WITH_TIMEOUT(log.entries.size(), 10, 5000);
        for (int i = 0; i < 10; ++i) {
            QCOMPARE(log.entries[i].slot, i + 1);
            QCOMPARE(backColour(rows[i].text), toolTipColour());
            QVERIFY(!rows[i].cascade->isActive());
            if (i > 0) {
                // A timer of 50 ms, coarse to 5%, started by the previous tick.
                const qint64 gap = log.entries[i].ms - log.entries[i - 1].ms;
                QVERIFY2(gap >= 45, qPrintable(QString("gap %1 ms").arg(gap)));
            }
        }
        QVERIFY(log.entries[0].ms >= 45);

        // Nothing recolours again afterwards; the status colours are as the start left them.
        QTest::qWait(300);
        QCOMPARE(log.entries.size(), 10);
        QList<QColor> afterwards;
        for (const SlotRow& s : rows)
            afterwards << backColour(s.date) << backColour(s.days);
        QCOMPARE(afterwards, statusColours);
    }

    void cascadeTickRecoloursItsRowAndHandsOn()
    {
        auto w = makeWindow();
        QVERIFY(w);
        QTimer* Timer2 = findControl<QTimer>(w, "Timer2");
        QLineEdit* R2 = findControl<QLineEdit>(w, "R2");
        QTimer* Timer3 = findControl<QTimer>(w, "Timer3");
        QTimer* Timer4 = findControl<QTimer>(w, "Timer4");
        const std::array<SlotRow, 10> rows = slotRows(w);
        // Ticks given by hand, before the event loop runs any of its own.
        tick(Timer2);
        QCOMPARE(backColour(findControl<QLineEdit>(w, "R1")), toolTipColour());
        QCOMPARE(backColour(R2), QColor(0, 0, 64));
        QVERIFY(!Timer2->isActive());
        QVERIFY(Timer3->isActive());
        tick(Timer3);
        QCOMPARE(backColour(R2), toolTipColour());
        QCOMPARE(backColour(findControl<QLineEdit>(w, "R3")), QColor(0, 0, 64));
        QVERIFY(Timer4->isActive());
        for (QTimer* t : {Timer4, findControl<QTimer>(w, "Timer5"),
                          findControl<QTimer>(w, "Timer6"), findControl<QTimer>(w, "Timer7"),
                          findControl<QTimer>(w, "Timer8"), findControl<QTimer>(w, "Timer9"),
                          findControl<QTimer>(w, "Timer10"), findControl<QTimer>(w, "Timer11")})
            tick(t);
        for (const SlotRow& s : rows) {
            QCOMPARE(backColour(s.text), toolTipColour());
            QVERIFY(!s.cascade->isActive());
        }
    }

    void infoLinkHoverPressReleaseAndResets()
    {
        auto w = makeWindow();
        QVERIFY(w);
        MouseLabel* Image5 = findControl<MouseLabel>(w, "Image5");
        QPushButton* Command2 = findControl<QPushButton>(w, "Command2");
        MouseLabel* Label1 = findControl<MouseLabel>(w, "Label1");
        MouseLabel* Image1 = findControl<MouseLabel>(w, "Image1");
        Line* Line2 = findControl<Line>(w, "Line2");
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        const QString family = Label1->font().family();
        QCOMPARE(Label1->font().pointSizeF(), 9.75);
        QCOMPARE(foreColour(Label1), QColor(255, 96, 96));

        const auto hover = [&] {
            QTest::mouseMove(Label1, centreOf(Label1));
            QTRY_COMPARE(Label1->font().pointSizeF(), 12.0);
            QCOMPARE(foreColour(Label1), QColor(0, 255, 0));
            QVERIFY(Label1->font().bold());
            QCOMPARE(Label1->font().family(), family);
        };
        const auto isReset = [&] {
            return Label1->font().pointSizeF() == 10.0 && foreColour(Label1) == QColor(255, 96, 96);
        };

        // Off the label onto the background picture: still large and green.
        hover();
        QPoint background;
        for (int y = w->height() - 1; y > 0 && background.isNull(); --y) {
            for (int x = 1; x < w->width() && background.isNull(); x += 7) {
                if (w->childAt(x, y) == Image1)
                    background = QPoint(x, y);
            }
        }
        QVERIFY(!background.isNull());
        QTest::mouseMove(w, background);
        QTest::qWait(50);
        QCOMPARE(Label1->font().pointSizeF(), 12.0);
        QCOMPARE(foreColour(Label1), QColor(0, 255, 0));

        QTest::mouseMove(Image5, centreOf(Image5));
        QTRY_VERIFY(isReset());

        hover();
        QTest::mouseMove(Command2, centreOf(Command2));
        QTRY_VERIFY(isReset());

        hover();
        const QPoint onImage1 = Image1->mapFrom(w, background);
        QTest::mousePress(Image1, Qt::LeftButton, {}, onImage1);
        QCOMPARE(Label1->font().pointSizeF(),
                 12.0); // the release does it, not the press
        QTest::mouseRelease(Image1, Qt::LeftButton, {}, onImage1);
        QTRY_VERIFY(isReset());

        // The bar shows while the button is held down on the label.
        QVERIFY(Line2->isHidden());
        QCOMPARE(Line2->x2(), 10800);
        QTest::mousePress(Label1, Qt::LeftButton, {}, centreOf(Label1));
        QVERIFY(Line2->isVisible());
        QCOMPARE(Line2->x2(), 8280);
        QTest::mouseRelease(Label1, Qt::LeftButton, {}, centreOf(Label1));
        QVERIFY(Line2->isHidden());
        QCOMPARE(Line2->x2(), 10800);
    }
};

QTEST_MAIN(AnimationsTest)
#include "animations_test.moc"
