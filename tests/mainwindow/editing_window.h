#pragma once
// A started main window for the editing tests: card 1 and lista.txt in fresh folders, the
// fake platform, the window shown and active so that focus and keys behave as for a user.

#include "card_builder.h"
#include "fake_platform.h"
#include "mainwindow/main_window.h"

#include <memory>
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

struct EditingWindow {
    QTemporaryDir work;    // working folder: Archivio.DAT
    QTemporaryDir program; // program folder: lista.txt
    QString previousFolder = QDir::currentPath();
    FakePlatform platform;
    std::unique_ptr<MainWindow> window;

    QString archive() const { return QDir(work.path()).filePath("Archivio.DAT"); }

    explicit EditingWindow(const DeadlineCard& card, const QByteArray& types = {})
    {
        QDir::setCurrent(work.path());
        writeBytes(archive(), recordBytes(card));
        writeBytes(QDir(program.path()).filePath("lista.txt"), types);
        platform.todayDate = QDate(2005, 3, 10);
        platform.folder = program.path();
        Startup startup = startUp(platform);
        started = startup.started.has_value();
        if (!started)
            return;
        window = std::make_unique<MainWindow>(platform, std::move(*startup.started));
        window->show();
        QApplication::setActiveWindow(window.get());
        activated = QTest::qWaitForWindowActive(window.get());
        // The start's own notices are not the tests' business.
        platform.messages.clear();
    }
    ~EditingWindow()
    {
        window.reset();
        QDir::setCurrent(previousFolder);
    }

    MainWindow& w() { return *window; }
    Ui::MainWindow& ui() { return window->ui; }

    bool started = false;
    bool activated = false;
};
