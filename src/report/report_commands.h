#pragma once
// The deadline report out of the program: Command2 copies it to the clipboard, Command3
// prints it, and the print picture of the information window prints the information text.

#include "report/report_text.h"

#include <functional>
#include <QImage>
#include <QList>
#include <QObject>
#include <QPoint>
#include <QStringList>

class Platform;
class PrintJob;
class QProgressBar;
class QPushButton;
class QWidget;

class ReportCommands : public QObject {
    Q_OBJECT
public:
    // rows: the slots as they stand at the moment of a copy or a print. The window is the
    // messages' parent.
    ReportCommands(QWidget& window, std::function<report::Rows()> rows, QPushButton* copy,
                   QPushButton* print, QProgressBar* progress, Platform& platform);

    void copyToClipboard();
    void printReport();
    // The information text; parent: the window asking, for a failure's message.
    void printInformation(QWidget* parent);

private:
    QStringList pageLines() const;
    void showProgress();
    struct Picture {
        QImage image;
        QPoint atTwips;
    };
    // One document: the pictures on the first page, the lines from the top at the given
    // size and left offset, on as many pages as they need. False on any printer failure.
    static bool printDocument(PrintJob& printer, const QList<Picture>& pictures,
                              const QStringList& lines, qreal pointSize, int leftTwips);
    void printFailed(QWidget* parent);

    QWidget& m_window;
    std::function<report::Rows()> m_rows;
    QProgressBar* m_progress;
    Platform& m_platform;
};
