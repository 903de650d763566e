#include "platform/qt_platform.h"

#include "platform/elapsed_clock.h"
#include "platform/program_module.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QMessageBox>

QtPlatform::QtPlatform(QObject* parent) : QtPlatform(installedProgramFolders(), parent)
{
}

QtPlatform::QtPlatform(ProgramFolders folders, QObject* parent)
    : QObject(parent), m_folders(std::move(folders)),
      m_wavePlayer(m_folders.modules, &QApplication::beep)
{
}

void QtPlatform::message(QWidget* parent, const QString& text, Icon icon, const QString& title)
{
    const QMessageBox::Icon boxIcon = icon == Icon::Information ? QMessageBox::Information
                                      : icon == Icon::Warning   ? QMessageBox::Warning
                                                                : QMessageBox::NoIcon;
    QMessageBox box(boxIcon, title.isEmpty() ? kProductName : title, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool QtPlatform::askYesNo(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, kProductName, text, QMessageBox::Yes | QMessageBox::No,
                    parent);
    box.setTextFormat(Qt::PlainText);
    return box.exec() == QMessageBox::Yes;
}

void QtPlatform::beep()
{
    QApplication::beep();
}

void QtPlatform::playWave(const QString& path)
{
    m_wavePlayer.play(soundFile(m_folders, path));
}

void QtPlatform::prepareSound()
{
    m_wavePlayer.prepare();
}

QDate QtPlatform::today()
{
    return QDate::currentDate();
}

QDateTime QtPlatform::now()
{
    return QDateTime::currentDateTime();
}

qint64 QtPlatform::elapsedMs()
{
    return elapsedClockMs();
}

QString QtPlatform::programFolder()
{
    return m_folders.personal;
}

std::unique_ptr<PrintJob> QtPlatform::defaultPrinter(const QString& documentName)
{
    if (!m_printModuleTried) {
        m_printModuleTried = true;
        m_createPrintJob = reinterpret_cast<CreateDefaultPrintJob>(
            programModuleEntry(m_folders.modules, kPrintModuleName, kCreateDefaultPrintJob));
    }
    return std::unique_ptr<PrintJob>(m_createPrintJob ? m_createPrintJob(documentName) : nullptr);
}

int QtPlatform::runModal(QDialog* dialog)
{
    return dialog->exec();
}

bool QtPlatform::showingModal()
{
    // Every message and dialog of the program is application modal.
    return QApplication::activeModalWidget() != nullptr;
}

void QtPlatform::quit()
{
    QCoreApplication::quit();
}
