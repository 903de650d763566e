#include "windows/qt_platform.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QUrl>

QtPlatform::QtPlatform(QObject* parent) : QObject(parent)
{
    // A file that cannot be decoded plays the default sound instead, and says nothing.
    connect(&m_effect, &QSoundEffect::statusChanged, this, [this] {
        if (m_effect.status() == QSoundEffect::Error)
            beep();
        else if (m_effect.status() == QSoundEffect::Ready)
            m_effect.play();
    });
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
    if (!QFileInfo(path).isFile()) {
        beep();
        return;
    }
    const QUrl source = QUrl::fromLocalFile(path);
    if (m_effect.source() == source) {
        // The same source raises no new status: answer from the one it has.
        if (m_effect.status() == QSoundEffect::Ready) {
            m_effect.stop();
            m_effect.play();
        } else if (m_effect.status() == QSoundEffect::Error) {
            beep();
        }
        return; // still loading: it plays once loaded
    }
    m_effect.stop();
    m_effect.setLoopCount(1);
    m_effect.setSource(source); // plays once loaded, through statusChanged
}

QDate QtPlatform::today()
{
    return QDate::currentDate();
}

QDateTime QtPlatform::now()
{
    return QDateTime::currentDateTime();
}

QString QtPlatform::programFolder()
{
    return QCoreApplication::applicationDirPath();
}

std::unique_ptr<QPrinter> QtPlatform::defaultPrinter()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return nullptr;
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

int QtPlatform::runModal(QDialog* dialog)
{
    return dialog->exec();
}

void QtPlatform::quit()
{
    QCoreApplication::quit();
}
