#include "report/report_commands.h"

#include "info/info_text.h"
#include "platform/platform.h"
#include "platform/print_job.h"
#include "widgets/core_values.h"

#include <cstdint>
#include <QClipboard>
#include <QGuiApplication>
#include <QImageReader>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>

namespace {

// Pictures are drawn at their size on a 96 dpi screen, as the old toolkit measured them.
constexpr double kTwipsPerInch = 1440.0;
constexpr double kScreenDpi = 96.0;

QStringList toQt(const std::vector<std::string>& lines)
{
    QStringList list;
    for (const std::string& line : lines)
        list << QString::fromStdString(line);
    return list;
}

} // namespace

ReportCommands::ReportCommands(QWidget& window, std::function<report::Rows()> rows,
                               QPushButton* copy, QPushButton* print, QProgressBar* progress,
                               Platform& platform)
    : m_window(window), m_rows(std::move(rows)), m_progress(progress), m_platform(platform)
{
    connect(copy, &QPushButton::clicked, this, &ReportCommands::copyToClipboard);
    connect(print, &QPushButton::clicked, this, &ReportCommands::printReport);
}

void ReportCommands::copyToClipboard()
{
    const std::string today = shortDateText(m_platform.today()).toStdString();
    const std::string text = report::clipboardText(m_rows(), report::clipboardFooter(today));
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(QString::fromStdString(text));
    showProgress();
}

void ReportCommands::showProgress()
{
    QProgressBar* bar = m_progress;
    bar->show();
    for (std::int16_t step = 0; step <= 499; ++step) {
        bar->setValue(step);
        if (bar->value() == 499)
            bar->setValue(500);
        // Drawn at each step: the loop never returns to the event loop.
        bar->repaint();
    }
    bar->setValue(0);
    m_platform.beep();
    bar->hide();
}

QStringList ReportCommands::pageLines() const
{
    const std::string today = shortDateText(m_platform.today()).toStdString();
    return toQt(report::pageLines(m_rows(), today));
}

void ReportCommands::printReport()
{
    std::unique_ptr<PrintJob> printer = m_platform.defaultPrinter(kProductName);
    // The pictures are read before anything is spooled, so a bad one sends nothing.
    const QImage title(QStringLiteral(":/title210x30.png"));
    const QImage brand = QImageReader(QStringLiteral(":/brand158x52.gif")).read();
    if (!printer || title.isNull() || brand.isNull()) {
        printFailed(&m_window);
        return;
    }
    if (!printDocument(*printer, {{title, {4100, 10}}, {brand, {4200, 15000}}}, pageLines(), 11, 0))
        printFailed(&m_window);
}

void ReportCommands::printInformation(QWidget* parent)
{
    std::unique_ptr<PrintJob> printer =
        m_platform.defaultPrinter(kProductName + QStringLiteral(" - Info"));
    if (!printer) {
        printFailed(parent);
        return;
    }
    const QStringList lines = toQt(report::informationLines(informationText().toStdString()));
    if (!printDocument(*printer, {}, lines, 10, 1000))
        printFailed(parent);
}

bool ReportCommands::printDocument(PrintJob& printer, const QList<Picture>& pictures,
                                   const QStringList& lines, qreal pointSize, int leftTwips)
{
    QPagedPaintDevice* pages = printer.pages();
    QPainter painter;
    if (!painter.begin(pages))
        return false;
    const double perTwip = printer.resolution() / kTwipsPerInch;
    for (const Picture& picture : pictures) {
        const QSizeF size = QSizeF(picture.image.size()) * (printer.resolution() / kScreenDpi);
        painter.drawImage(QRectF(QPointF(picture.atTwips) * perTwip, size), picture.image);
    }
    QFont font = painter.font();
    font.setPointSizeF(pointSize);
    painter.setFont(font);
    const QFontMetricsF metrics = painter.fontMetrics();
    const qreal left = leftTwips * perTwip;
    qreal top = 0;
    for (const QString& line : lines) {
        if (top > 0 && top + metrics.height() > pages->height()) {
            if (!pages->newPage()) {
                printer.abort();
                return false;
            }
            top = 0;
        }
        painter.drawText(QPointF(left, top + metrics.ascent()), line);
        top += metrics.lineSpacing();
    }
    return painter.end() && !printer.failed();
}

void ReportCommands::printFailed(QWidget* parent)
{
    m_platform.message(parent, QStringLiteral("C'è un problema di stampa"), Platform::Icon::Warning,
                       QStringLiteral("Errore di stampa"));
}
