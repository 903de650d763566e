// Prints the deadline report on the machine's real default printer, through the same
// printer call as the program; everything else comes from the recording fake, so that no
// message box can block. Exit 0 when the print went out without a warning.

#include "platform/print_job.h"
#include "platform/qt_platform.h"
#include "started_window.h"

#include <cstdio>
#include <QApplication>
#include <QDir>
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
    TestFolders folders;
    SpoolerPlatform platform;
    platform.folder = folders.programPath();
    const std::unique_ptr<MainWindow> window = startMainWindow(platform);
    if (!window) {
        std::fprintf(stderr, "the main window did not start\n");
        return 1;
    }
    window->show();
    slotRow(window.get(), 1).date->setText("10/03/05");
    slotRow(window.get(), 1).text->setText("Bollo > moto");
    QTest::mouseClick(findControl<QPushButton>(window.get(), "Command3"), Qt::LeftButton);

    std::fprintf(stderr, "printer: %s\n", platform.foundPrinter ? "found" : "none");
    for (const auto& m : platform.messages)
        std::fprintf(stderr, "message: %s (%s)\n", qPrintable(m.text), qPrintable(m.title));
    return !platform.foundPrinter || !platform.messages.empty() ? 1 : 0;
}
