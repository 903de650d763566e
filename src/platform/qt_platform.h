#pragma once
// The real platform: Qt's message boxes, beep, clock and default printer, and the wave player.

#include "platform/platform.h"
#include "platform/print_job.h"
#include "platform/program_folders.h"
#include "platform/wave_player.h"

#include <QObject>

class QtPlatform : public QObject, public Platform {
    Q_OBJECT
public:
    // The folders as this build lays them out unless given.
    explicit QtPlatform(QObject* parent = nullptr);
    explicit QtPlatform(ProgramFolders folders, QObject* parent = nullptr);

    const ProgramFolders& folders() const { return m_folders; }

    void message(QWidget* parent, const QString& text, Icon icon, const QString& title) override;
    bool askYesNo(QWidget* parent, const QString& text) override;
    void beep() override;
    void playWave(const QString& path) override;
    void prepareSound() override;
    QDate today() override;
    QDateTime now() override;
    qint64 elapsedMs() override;
    QString programFolder() override;
    std::unique_ptr<PrintJob> defaultPrinter(const QString& documentName) override;
    int runModal(QDialog* dialog) override;
    bool showingModal() override;
    void quit() override;

private:
    ProgramFolders m_folders; // before the player, which loads its module from there
    WavePlayer m_wavePlayer;
    bool m_printModuleTried = false;
    CreateDefaultPrintJob m_createPrintJob = nullptr;
};
