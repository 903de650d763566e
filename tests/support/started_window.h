#pragma once
// The started main window of the window tests: fresh working and program folders, the
// recording platform with today fixed, the program's start, and controls found by name.

#include "card_builder.h"
#include "fake_platform.h"
#include "mainwindow/main_window.h"
#include "mainwindow/main_window_layout.h"
#include "widgets/file_list.h"
#include "widgets/limited_text_edit.h"
#include "widgets/line.h"
#include "widgets/mouse_label.h"
#include "widgets/shape.h"

#include <array>
#include <memory>
#include <QCalendarWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

// Ends the test program, naming what is missing: a test on a wrong control is no test.
[[noreturn]] void missingControl(const QObject* parent, const char* name, const char* kind);

// The control of this kind and name under parent, its own children first (a window parented
// to it may reuse the name).
template <class T> T* findControl(const QObject* parent, const char* name)
{
    const QString wanted = QString::fromLatin1(name);
    T* found = parent->findChild<T*>(wanted, Qt::FindDirectChildrenOnly);
    if (!found)
        found = parent->findChild<T*>(wanted);
    if (!found)
        missingControl(parent, name, T::staticMetaObject.className());
    return found;
}

// The controls of one slot row, found by the names of the slot table.
using SlotRow = SlotControls;

// Slot 1..10 of the window.
SlotRow slotRow(const QObject* window, int slot);
// All ten, slot 1 at index 0.
std::array<SlotRow, 10> slotRows(const QObject* window);

// A working folder, current while this lives, and a program folder.
class TestFolders {
public:
    TestFolders();
    ~TestFolders();
    TestFolders(const TestFolders&) = delete;
    TestFolders& operator=(const TestFolders&) = delete;

    QString workPath() const { return m_work.path(); }
    QString programPath() const { return m_program.path(); }
    QString archive() const;                        // Archivio.DAT of the working folder
    QString programFile(const QString& name) const; // e.g. lista.txt, tel.wav

    void writeCard(const DeadlineCard& card) const { writeBytes(archive(), recordBytes(card)); }
    void writeProgramFile(const QString& name, const QByteArray& bytes = {}) const
    {
        writeBytes(programFile(name), bytes);
    }

private:
    QTemporaryDir m_work;
    QTemporaryDir m_program;
    QString m_previous;
};

// The program's two calls: the start, then the main window made from the started card. Null
// when the start ended the program; why in stop when given.
std::unique_ptr<MainWindow>
startMainWindow(Platform& platform, std::unique_ptr<CardFile> file = std::make_unique<CardFile>(),
                Startup::Stop* stop = nullptr);

// The main window on its folders, started with the fake platform, today 10/03/2005.
class StartedWindow {
public:
    // On folders of its own.
    StartedWindow();
    // On the given ones, which outlive it (two copies on one archive).
    explicit StartedWindow(TestFolders& shared);
    ~StartedWindow();
    StartedWindow(const StartedWindow&) = delete;
    StartedWindow& operator=(const StartedWindow&) = delete;

    // Starts on what the folders hold; true when the window was made.
    bool start(std::unique_ptr<CardFile> file = std::make_unique<CardFile>());
    // Shown and active, so that focus and keys behave as for a user; true when active.
    bool showActive();

    MainWindow& w() { return *window; }
    template <class T> T* find(const char* name) const
    {
        return findControl<T>(window.get(), name);
    }
    SlotRow row(int slot) const { return slotRow(window.get(), slot); }
    std::array<SlotRow, 10> rows() const { return slotRows(window.get()); }

private:
    std::unique_ptr<TestFolders> m_ownFolders;

public:
    TestFolders& folders;
    FakePlatform platform;
    std::unique_ptr<MainWindow> window;
    Startup::Stop stop = Startup::Stop::None;
};
