// Every text the windows show reads at 4.5:1 or more (WCAG 2.1 AA) against what it is drawn
// on, in the program's own look on the default and on a dark palette, and with the system's
// pairs under both high-contrast themes; the slots' states stay told apart there.

#include "alarm/alarm_notice.h"
#include "info/info_window.h"
#include "mainwindow/nothing_due_window.h"
#include "started_window.h"
#include "types/types_window.h"
#include "widgets/look.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QTest>

namespace {

QPalette darkPalette()
{
    QPalette p;
    p.setColor(QPalette::Window, QColor(53, 53, 53));
    p.setColor(QPalette::WindowText, Qt::white);
    p.setColor(QPalette::Base, QColor(35, 35, 35));
    p.setColor(QPalette::AlternateBase, QColor(53, 53, 53));
    p.setColor(QPalette::ToolTipBase, QColor(25, 25, 25));
    p.setColor(QPalette::ToolTipText, Qt::white);
    p.setColor(QPalette::Text, Qt::white);
    p.setColor(QPalette::Button, QColor(53, 53, 53));
    p.setColor(QPalette::ButtonText, Qt::white);
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    p.setColor(QPalette::HighlightedText, Qt::black);
    return p;
}

// The system colours Windows gives its High Contrast Black and White themes.
QPalette highContrastPalette(bool black)
{
    const QColor back = black ? Qt::black : Qt::white, text = black ? Qt::white : Qt::black;
    QPalette p(text, back, back, back, back, text, back);
    p.setColor(QPalette::Base, back);
    p.setColor(QPalette::ToolTipBase, back);
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::Highlight, black ? QColor(26, 235, 255) : QColor(55, 0, 110));
    p.setColor(QPalette::HighlightedText, black ? Qt::black : Qt::white);
    return p;
}

QColor meanColour(const QImage& image)
{
    double r = 0, g = 0, b = 0;
    const qsizetype n = qsizetype(image.width()) * image.height();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            r += c.redF(), g += c.greenF(), b += c.blueF();
        }
    }
    return n ? QColor::fromRgbF(float(r / n), float(g / n), float(b / n)) : QColor();
}

struct Drawn {
    QColor fore, back;
};

// The colours a control draws its text with, from its palette; a label without a background
// of its own draws on what lies behind it, seen with it hidden.
Drawn drawnColours(QWidget* w)
{
    const QPalette& p = w->palette();
    if (qobject_cast<QAbstractButton*>(w))
        return {p.color(QPalette::Active, QPalette::ButtonText),
                p.color(QPalette::Active, QPalette::Button)};
    if (auto* label = qobject_cast<QLabel*>(w)) {
        if (label->autoFillBackground())
            return {p.color(QPalette::Active, QPalette::WindowText),
                    p.color(QPalette::Active, QPalette::Window)};
        QWidget* window = w->window();
        const QRect area(w->mapTo(window, QPoint()), w->size());
        w->hide();
        const QImage behind = window->grab(area).toImage();
        w->show();
        return {p.color(QPalette::Active, QPalette::WindowText), meanColour(behind)};
    }
    return {p.color(QPalette::Active, QPalette::Text), p.color(QPalette::Active, QPalette::Base)};
}

bool showsText(QWidget* w)
{
    if (!w->isVisible() || !w->isEnabled())
        return false;
    if (auto* label = qobject_cast<QLabel*>(w))
        return !label->text().trimmed().isEmpty();
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return !button->text().trimmed().isEmpty();
    // Boxes show what the user types, whatever they hold now.
    return qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
           qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QListWidget*>(w);
}

// "name: ratio" of every text of the window below 4.5:1.
QStringList unreadable(QWidget* window)
{
    QStringList found;
    QList<QWidget*> controls = window->findChildren<QWidget*>();
    controls.prepend(window);
    for (QWidget* w : controls) {
        // A combo's line edit is the combo's; the calendar's insides are Qt's own pairs.
        if (w->objectName().isEmpty() || !showsText(w))
            continue;
        const Drawn d = drawnColours(w);
        const double ratio = contrastRatio(d.fore, d.back);
        if (ratio < 4.5)
            found << QStringLiteral("%1/%2: %3 (%4 on %5)")
                         .arg(window->objectName(), w->objectName())
                         .arg(ratio, 0, 'f', 1)
                         .arg(d.fore.name(), d.back.name());
    }
    return found;
}

} // namespace

class ContrastTest : public QObject {
    Q_OBJECT
    QPalette m_original;

private slots:
    void initTestCase()
    {
        installFontSubstitutions();
        m_original = QApplication::palette();
    }
    void cleanup()
    {
        setHighContrast(false);
        QApplication::setPalette(m_original);
    }

    void everyTextReadsInEveryScheme_data()
    {
        QTest::addColumn<QPalette>("palette");
        QTest::addColumn<bool>("high");
        QTest::newRow("own look") << QPalette() << false;
        QTest::newRow("dark palette") << darkPalette() << false;
        QTest::newRow("high contrast black") << highContrastPalette(true) << true;
        QTest::newRow("high contrast white") << highContrastPalette(false) << true;
    }
    void everyTextReadsInEveryScheme()
    {
        QFETCH(QPalette, palette);
        QFETCH(bool, high);
        if (palette.resolveMask())
            QApplication::setPalette(palette);
        setHighContrast(high);

        // 10/03/05: slot 1 due today, 2 due soon, 3 expired a day ago, 4 without a finding.
        StartedWindow s;
        s.folders.writeCard(cardWith({{1, {"10/03/05", "Bollo auto > targa"}},
                                      {2, {"15/03/05", "Visita > dentista", "5"}},
                                      {3, {"09/03/05", "Luce > pagare"}},
                                      {4, {"20/03/05", "Gas > leggere"}}}));
        QVERIFY(s.start());
        s.w().show();
        QVERIFY(QTest::qWaitForWindowExposed(&s.w()));
        QStringList found = unreadable(&s.w()); // the slot texts before the cascade
        QTest::qWait(800);
        found << unreadable(&s.w());
        // What each scheme looks like, for a person to see.
        if (const QString shots = qEnvironmentVariable("T10_SCREENSHOTS"); !shots.isEmpty()) {
            QDir().mkpath(shots);
            s.w().grab().save(QStringLiteral("%1/contrast-%2.png")
                                  .arg(shots, QString::fromLatin1(QTest::currentDataTag())
                                                  .replace(' ', '-')));
        }
        // The panels laid over the window.
        QTest::mouseClick(s.find<QPushButton>("cmdCal"), Qt::LeftButton);
        found << unreadable(&s.w());
        QTest::mouseClick(s.find<QPushButton>("cmdchiud"), Qt::LeftButton);
        QTest::mouseClick(s.find<QPushButton>("Command5"), Qt::LeftButton);
        found << unreadable(&s.w());

        NothingDueWindow form1;
        InfoWindow form2;
        TypesWindow lista(s.platform, s.folders.programFile("lista.txt"));
        AlarmNotice form3("Telefonata", "Chiama Rossi", QString(), s.platform);
        for (QWidget* window : std::initializer_list<QWidget*>{&form1, &form2, &lista, &form3}) {
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
            found << unreadable(window);
        }
        QVERIFY2(found.isEmpty(), qPrintable(found.join("\n")));
    }

    // Where the colours are the system's, the three states are still three looks.
    void statesStayApartInHighContrast()
    {
        QApplication::setPalette(highContrastPalette(true));
        setHighContrast(true);
        StartedWindow s;
        s.folders.writeCard(cardWith({{1, {"10/03/05", "oggi"}},
                                      {2, {"15/03/05", "a breve", "5"}},
                                      {3, {"09/03/05", "scaduta"}}}));
        QVERIFY(s.start());
        const QPalette system = QApplication::palette();
        QCOMPARE(backColour(s.row(1).date), system.color(QPalette::Highlight));
        QCOMPARE(foreColour(s.row(1).date), system.color(QPalette::HighlightedText));
        QCOMPARE(backColour(s.row(4).date), system.color(QPalette::Base));
        const QString soon = s.row(2).days->styleSheet(), expired = s.row(3).days->styleSheet();
        QVERIFY(!soon.isEmpty() && !expired.isEmpty() && soon != expired);
        QVERIFY(s.row(4).days->styleSheet().isEmpty());
        // Back to the own look: the layout's and the states' colours again, no frames.
        setHighContrast(false);
        QCOMPARE(backColour(s.row(1).date), QColor(255, 0, 0));
        QCOMPARE(backColour(s.row(2).days), QColor(192, 64, 0));
        QVERIFY(s.row(2).days->styleSheet().isEmpty());
    }
};

QTEST_MAIN(ContrastTest)
#include "contrast_test.moc"
