#pragma once
// The deadline report out of the program: Command2 copies it to the clipboard, Command3
// prints it, and the print picture of the information window prints the information text.

#include <QImage>
#include <QList>
#include <QObject>
#include <QPoint>
#include <QStringList>

class InfoWindow;
class Platform;
class PrintJob;
class QWidget;
namespace Ui {
class MainWindow;
}

class ReportCommands : public QObject {
    Q_OBJECT
public:
    // The main window's buttons, rows and progress bar; the window is the messages' parent.
    ReportCommands(QWidget& window, const Ui::MainWindow& ui, Platform& platform);

    void copyToClipboard();
    void printReport();
    void printInformation(InfoWindow* form2);

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
    const Ui::MainWindow& m_ui;
    Platform& m_platform;
};
