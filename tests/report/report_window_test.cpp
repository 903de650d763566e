// The deadline report from the main window: the clipboard copy with its progress bar, the
// printed page and the printed information text (through PDF files read back with
// poppler's tools), and the warning when there is nothing to print on.

#include "info/info_window.h"
#include "started_window.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QMimeData>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace {

const QString kSep(84, '-');

QString run(const QString& program, const QStringList& arguments)
{
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return QStringLiteral("<%1 failed: %2>").arg(program, QString(p.readAllStandardError()));
    return QString::fromUtf8(p.readAllStandardOutput());
}

struct Word {
    double xMin, yMin;
    QString text;
};

// Words of the first page with their positions in points from the page's top-left.
QList<Word> wordsOfFirstPage(const QString& pdf)
{
    const QString html = run("pdftotext", {"-bbox", "-f", "1", "-l", "1", pdf, "-"});
    static const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="[\d.]+" yMax="[\d.]+">([^<]*)</word>)re");
    QList<Word> words;
    for (const auto& m : word.globalMatch(html))
        words.push_back({m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3)});
    return words;
}

int pageCount(const QString& pdf)
{
    static const QRegularExpression pages(R"(Pages:\s+(\d+))");
    return pages.match(run("pdfinfo", {pdf})).captured(1).toInt();
}

} // namespace

class ReportWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<StartedWindow> m_started; // fresh folders for each test
    FakePlatform* m_platform = nullptr;
    MainWindow* m_window = nullptr;

    QString pdf() const { return QDir(m_started->folders.workPath()).filePath("page.pdf"); }

    void start()
    {
        QVERIFY(m_started->start());
        m_window = m_started->window.get();
        m_window->show();
    }

    void printToPdf(const QString& file)
    {
        m_platform->printerFactory = [file] {
            auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(file);
            printer->setPageSize(QPageSize(QPageSize::A4));
            // No margins: positions on the page are then the positions asked for.
            printer->setPageMargins(QMarginsF(0, 0, 0, 0));
            return printer;
        };
    }

    void fillSlots()
    {
        for (int k = 0; k < 10; ++k) {
            m_started->row(k + 1).date->setText(QStringLiteral("%1/04/05").arg(k + 10));
            m_started->row(k + 1).text->setText(
                QStringLiteral("Riga%1").arg(k + 1, 2, 10, QChar('0')));
        }
    }

    void clickCopy()
    {
        QTest::mouseClick(m_started->find<QPushButton>("Command2"), Qt::LeftButton);
    }

    static QString expectedClipboard(const QStringList& rows)
    {
        QString text = "SCADENZE PREVISTE\r\n\r\n" + kSep + "\r\n";
        for (const QString& row : rows)
            text += row + "\r\n" + kSep + "\r\n";
        return text + "\r\nTempestina10 - 10/03/05\r\n";
    }

    void expectPrintWarning(QWidget* stillShown)
    {
        QCOMPARE(m_platform->messages.size(), std::size_t(1));
        QCOMPARE(m_platform->messages[0].text, QString("C'è un problema di stampa"));
        QCOMPARE(m_platform->messages[0].title, QString("Errore di stampa"));
        QCOMPARE(m_platform->messages[0].icon, Platform::Icon::Warning);
        QVERIFY(stillShown->isVisible());
    }

private slots:
    void init()
    {
        m_started = std::make_unique<StartedWindow>();
        m_platform = &m_started->platform;
        m_platform->todayDate = QDate(2005, 3, 10);
    }
    void cleanup()
    {
        m_window = nullptr;
        m_started.reset();
    }

    void emptyCardCopiesTheWholeLayout()
    {
        start();
        clickCopy();
        QCOMPARE(QGuiApplication::clipboard()->text(), expectedClipboard(QStringList(10, "     ")));
    }

    void copyHoldsTheSlotsAsShownAsPlainText()
    {
        start();
        QGuiApplication::clipboard()->setText("something else");
        m_started->row(1).date->setText("02/08/04");
        m_started->row(2).text->setText("Bollo > auto");
        const QString full = QString(94, 'y') + 'z';
        m_started->row(10).date->setText("31/12/05");
        m_started->row(10).text->setText(full);
        // Typed and never saved.
        QTest::keyClicks(m_started->find<QLineEdit>("R7"), "Appunto");

        QProgressBar* bar = m_started->find<QProgressBar>("ProgressBar1");
        int highest = -1;
        bool shownWhileCounting = false;
        connect(bar, &QProgressBar::valueChanged, this, [&](int v) {
            highest = std::max(highest, v);
            shownWhileCounting = shownWhileCounting || bar->isVisible();
        });
        clickCopy();

        QStringList rows(10, "     ");
        rows[0] = "02/08/04     ";
        rows[1] = "     Bollo > auto";
        rows[6] = "     Appunto";
        rows[9] = "31/12/05     " + full;
        QCOMPARE(QGuiApplication::clipboard()->text(), expectedClipboard(rows));
        QCOMPARE(QGuiApplication::clipboard()->mimeData()->formats(), QStringList{"text/plain"});
        QCOMPARE(highest, 500);
        QVERIFY(shownWhileCounting);
        QVERIFY(bar->isHidden());
        QCOMPARE(bar->value(), 0);
        QCOMPARE(m_platform->beeps, 1);
        QVERIFY(m_platform->messages.empty());
    }

    void printedPageHasRowsOnTheirLinesAndBothPictures()
    {
        start();
        fillSlots();
        QTest::keyClicks(m_started->find<QLineEdit>("R3"), " nuova");
        printToPdf(pdf());
        QTest::mouseClick(m_started->find<QPushButton>("Command3"), Qt::LeftButton);
        QVERIFY(m_platform->messages.empty());
        QCOMPARE(pageCount(pdf()), 1);

        // The rows in slot order, each with its date, then the date line.
        const QString layout = run("pdftotext", {"-layout", pdf(), "-"});
        QStringList found;
        for (const QString& line : layout.split('\n')) {
            const QString t = line.trimmed();
            if (t.startsWith("---") || t.contains("Riga") || t.startsWith("Oggi"))
                found << t.simplified();
        }
        QStringList expected{kSep};
        for (int k = 1; k <= 10; ++k) {
            expected << QStringLiteral("%1/04/05 Riga%2%3")
                            .arg(k + 9)
                            .arg(k, 2, 10, QChar('0'))
                            .arg(k == 3 ? " nuova" : "")
                     << kSep;
        }
        expected << "Oggi è: 10/03/05";
        QCOMPARE(found, expected);

        // Lines by position: separators on 5, 7, ... 25, rows on 6, ... 24, date on 32.
        QList<double> separators, rows;
        double dateLine = -1, dateX = -1;
        for (const Word& w : wordsOfFirstPage(pdf())) {
            if (w.text == kSep)
                separators << w.yMin;
            else if (w.text.startsWith("Riga"))
                rows << w.yMin;
            else if (w.text == "Oggi") {
                dateLine = w.yMin;
                dateX = w.xMin;
            }
        }
        QCOMPARE(separators.size(), 11);
        QCOMPARE(rows.size(), 10);
        const double line = (separators.last() - separators.first()) / 20;
        QVERIFY2(line > 11 && line < 16, qPrintable(QString::number(line)));
        auto onLine = [&](double y, int n) {
            return std::abs(y - (separators.first() + (n - 5) * line)) < 0.5;
        };
        for (int k = 1; k <= 10; ++k) {
            QVERIFY2(onLine(rows[k - 1], 2 * k + 4), qPrintable(QString::number(k)));
            QVERIFY2(onLine(separators[k], 2 * k + 5), qPrintable(QString::number(k)));
        }
        QVERIFY(onLine(dateLine, 32));
        // Line 5 starts four lines below the top of the page; the date after 31 blanks.
        QVERIFY2(std::abs(separators.first() - 4 * line) < line / 2,
                 qPrintable(QString::number(separators.first())));
        QVERIFY(dateX > 60);

        // The title picture and the first frame of the brand picture.
        const QString images = run("pdfimages", {"-list", pdf()});
        // Transparency comes as masks beside the two pictures.
        QVERIFY2(images.count(QRegularExpression(R"(\bimage\s+\d+\s+\d+\s)")) == 2,
                 qPrintable(images));
        QVERIFY2(images.contains(QRegularExpression(R"(image\s+210\s+30\b)")), qPrintable(images));
        QVERIFY2(images.contains(QRegularExpression(R"(image\s+158\s+52\b)")), qPrintable(images));
    }

    void informationTextRunsOverPagesWithItsLeftOffset()
    {
        start();
        InfoWindow* form2 = nullptr;
        connect(m_window, &MainWindow::infoWindowCreated, this, [&](InfoWindow* f) { form2 = f; });
        QTest::mouseClick(m_started->find<MouseLabel>("Label1"), Qt::LeftButton);
        QVERIFY(form2);
        printToPdf(pdf());
        QTest::mouseClick(findControl<MouseLabel>(form2, "Image4"), Qt::LeftButton);
        QVERIFY(m_platform->messages.empty());
        QVERIFY2(pageCount(pdf()) > 1, qPrintable(QString::number(pageCount(pdf()))));

        // Every word of the text arrives, in order, over the pages.
        // The printer font's ligatures ("fi") read back as one character.
        const QString printed = run("pdftotext", {"-layout", pdf(), "-"})
                                    .normalized(QString::NormalizationForm_KC)
                                    .simplified();
        const QString shown =
            findControl<QPlainTextEdit>(form2, "Text1")->toPlainText().simplified();
        qsizetype same = 0;
        while (same < std::min(printed.size(), shown.size()) && printed[same] == shown[same])
            ++same;
        QVERIFY2(printed == shown,
                 qPrintable(printed.mid(same - 20, 60) + " <> " + shown.mid(same - 20, 60)));

        // 1000 twips are 50 points from the left edge, where the text's lines begin (most with a
        // blank or two); the text starts on line 4.
        const QList<Word> words = wordsOfFirstPage(pdf());
        QVERIFY(words.size() > 3);
        QList<double> tops;
        double left = 1e9;
        for (const Word& w : words) {
            if (!tops.contains(w.yMin))
                tops << w.yMin;
            left = std::min(left, w.xMin);
        }
        const double line = tops[1] - tops[0];
        QVERIFY2(line > 9 && line < 14, qPrintable(QString::number(line)));
        QVERIFY2(left >= 50 && left < 50 + 4, qPrintable(QString::number(left)));
        QVERIFY2(std::abs(words[0].yMin - 3 * line) < line / 2,
                 qPrintable(QString::number(words[0].yMin)));
        delete form2;
    }

    void noPrinterWarnsAndTheProgramGoesOn()
    {
        start();
        fillSlots();
        QTest::mouseClick(m_started->find<QPushButton>("Command3"), Qt::LeftButton);
        expectPrintWarning(m_window);
        QCOMPARE(m_started->find<QLineEdit>("R1")->text(), QString("Riga01"));
        // Still working: the copy runs and says nothing.
        clickCopy();
        QVERIFY(QGuiApplication::clipboard()->text().contains("Riga01"));
        QCOMPARE(m_platform->messages.size(), std::size_t(1));

        m_platform->messages.clear();
        InfoWindow* form2 = nullptr;
        connect(m_window, &MainWindow::infoWindowCreated, this, [&](InfoWindow* f) { form2 = f; });
        QTest::mouseClick(m_started->find<MouseLabel>("Label1"), Qt::LeftButton);
        QVERIFY(form2);
        QTest::mouseClick(findControl<MouseLabel>(form2, "Image4"), Qt::LeftButton);
        expectPrintWarning(form2);
        delete form2;
    }

    void printerThatCannotStartWarns()
    {
        start();
        printToPdf(QDir(m_started->folders.workPath()).filePath("no such folder/page.pdf"));
        QTest::mouseClick(m_started->find<QPushButton>("Command3"), Qt::LeftButton);
        expectPrintWarning(m_window);
    }
};

QTEST_MAIN(ReportWindowTest)
#include "report_window_test.moc"
