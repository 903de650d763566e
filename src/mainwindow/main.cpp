// Tempestina10: the deadline reminder.

#include "accessibility/screen_reader.h"
#include "mainwindow/main_window.h"
#include "platform/display_server.h"
#include "platform/high_contrast.h"
#include "platform/program_folders.h"
#include "platform/qt_platform.h"
#include "widgets/look.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyleFactory>
#include <QTranslator>

int main(int argc, char* argv[])
{
    chooseDisplayServer();
    QApplication app(argc, argv);
    installScreenReaderSupport();
    QApplication::setApplicationName("Tempestina10");
    QApplication::setWindowIcon(QIcon(":/app32.png"));
    // One look on every platform: the layouts colour their buttons and boxes themselves.
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    installFontSubstitutions();
    // Before any window: each control is then drawn from the right source from the first.
    followHighContrast(setHighContrast);

    // An Italian program: the calendar's month and day names and Qt's own buttons too.
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    QTranslator qtItalian;
    if (qtItalian.load(QLocale(QLocale::Italian), "qtbase", "_",
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtItalian);

    QtPlatform platform;
    // Installed system-wide, each person's files and archive live in their own data folder,
    // whatever folder a launcher started the program in.
    if (platform.folders().systemWide) {
        QGuiApplication::setDesktopFileName(installedDesktopId());
        const QString problem = enterPersonalFolder(platform.folders());
        if (!problem.isEmpty()) {
            platform.message(nullptr, problem, Platform::Icon::Warning, {});
            return 1;
        }
    }
    // The start notices and the nothing-due window come before the main window is made: a
    // start that ends there never makes it, and the first window shows sooner.
    Startup startup = startUp(platform);
    // Any archive error ends the program with a failure status; "Chiudi" is a normal end.
    if (!startup.started)
        return startup.stop == Startup::Stop::ArchiveError ? 1 : 0;
    MainWindow window(platform, std::move(*startup.started));
    window.show();
    return QApplication::exec();
}
