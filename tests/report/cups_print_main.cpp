// Prints the deadline report on the machine's real default printer, through the same
// printer call as the program; everything else comes from the recording fake, so that no
// message box can block. Exit 0 when the print went out without a warning.

#include "fake_platform.h"
#include "mainwindow/main_window.h"
#include "platform/print_job.h"
#include "platform/qt_platform.h"

#include <cstdio>
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

class SpoolerPlatform : public FakePlatform {
public:
    std::unique_ptr<PrintJob> defaultPrinter(const QString& documentName) override
    {
        std::unique_ptr<PrintJob> printer = m_real.defaultPrinter(documentName);
        foundPrinter = printer != nullptr;
        return printer;
    }
    bool foundPrinter = false;

private:
    QtPlatform m_real;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir work;
    QDir::setCurrent(work.path());

    SpoolerPlatform platform;
    platform.folder = work.path();
    Startup startup = startUp(platform);
    if (!startup.started) {
        std::fprintf(stderr, "the main window did not start\n");
        return 1;
    }
    MainWindow window(platform, std::move(*startup.started));
    window.show();
    window.ui.rows[0].date->setText("10/03/05");
    window.ui.rows[0].text->setText("Bollo > moto");
    QTest::mouseClick(window.ui.Command3, Qt::LeftButton);

    std::fprintf(stderr, "printer: %s\n", platform.foundPrinter ? "found" : "none");
    for (const auto& m : platform.messages)
        std::fprintf(stderr, "message: %s (%s)\n", qPrintable(m.text), qPrintable(m.title));
    return !platform.foundPrinter || !platform.messages.empty() ? 1 : 0;
}
