#include "started_window.h"

#include <QApplication>
#include <QDir>
#include <QTest>

void missingControl(const QObject* parent, const char* name, const char* kind)
{
    qFatal("no %s named %s in %s", kind, name,
           parent ? qPrintable(parent->objectName()) : "(no window)");
}

SlotRow slotRow(const QObject* window, int slot)
{
    const SlotBinding& b = kSlots.at(static_cast<std::size_t>(slot - 1));
    return {findControl<QPushButton>(window, b.clearButton),
            findControl<QLineEdit>(window, b.dateBox),
            findControl<QComboBox>(window, b.typeCombo),
            findControl<QLineEdit>(window, b.textBox),
            findControl<QLineEdit>(window, b.daysBox),
            findControl<QTimer>(window, b.cascadeTimer)};
}

std::array<SlotRow, 10> slotRows(const QObject* window)
{
    std::array<SlotRow, 10> rows{};
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i] = slotRow(window, static_cast<int>(i) + 1);
    return rows;
}

TestFolders::TestFolders() : m_previous(QDir::currentPath())
{
    QDir::setCurrent(m_work.path());
}

TestFolders::~TestFolders()
{
    QDir::setCurrent(m_previous);
}

QString TestFolders::archive() const
{
    return QDir(m_work.path()).filePath(kArchiveName);
}

QString TestFolders::programFile(const QString& name) const
{
    return QDir(m_program.path()).filePath(name);
}

std::unique_ptr<MainWindow> startMainWindow(Platform& platform, std::unique_ptr<CardFile> file,
                                            Startup::Stop* stop)
{
    Startup startup = startUp(platform, std::move(file));
    if (stop)
        *stop = startup.stop;
    if (!startup.started)
        return nullptr;
    return std::make_unique<MainWindow>(platform, std::move(*startup.started));
}

StartedWindow::StartedWindow()
    : m_ownFolders(std::make_unique<TestFolders>()), folders(*m_ownFolders)
{
    platform.todayDate = QDate(2005, 3, 10);
    platform.folder = folders.programPath();
}

StartedWindow::StartedWindow(TestFolders& shared) : folders(shared)
{
    platform.todayDate = QDate(2005, 3, 10);
    platform.folder = folders.programPath();
}

// The window goes before the folders it holds open.
StartedWindow::~StartedWindow() = default;

bool StartedWindow::start(std::unique_ptr<CardFile> file)
{
    window = startMainWindow(platform, std::move(file), &stop);
    return window != nullptr;
}

bool StartedWindow::showActive()
{
    window->show();
    QApplication::setActiveWindow(window.get());
    return QTest::qWaitForWindowActive(window.get());
}
