#pragma once
// The real platform: Qt's message boxes, beep, sound effects, clock and default printer.

#include "windows/platform.h"

#include <QObject>
#include <QSoundEffect>

class QtPlatform : public QObject, public Platform {
    Q_OBJECT
public:
    explicit QtPlatform(QObject* parent = nullptr);

    void message(QWidget* parent, const QString& text, Icon icon, const QString& title) override;
    bool askYesNo(QWidget* parent, const QString& text) override;
    void beep() override;
    void playWave(const QString& path) override;
    QDate today() override;
    QDateTime now() override;
    QString programFolder() override;
    std::unique_ptr<QPrinter> defaultPrinter() override;
    int runModal(QDialog* dialog) override;
    void quit() override;

private:
    // One effect at a time, as the old single-channel call played one sound at a time.
    QSoundEffect m_effect;
};
