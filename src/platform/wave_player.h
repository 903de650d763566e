#pragma once
// Plays one wave file at a time, asynchronously; the system's default sound when the file
// is missing or cannot be played. One implementation file per platform.

#include <functional>
#include <memory>
#include <QObject>
#include <QString>

class WavePlayer : public QObject {
public:
    explicit WavePlayer(QObject* parent = nullptr);
    // Where a platform that loads its sound output looks for it, and the default sound;
    // the program's folder and the system's beep in the program.
    WavePlayer(const QString& moduleFolder, std::function<void()> beep, QObject* parent = nullptr);
    ~WavePlayer() override;

    // Gets the sound output ready ahead of a sound that must start without delay.
    void prepare();
    void play(const QString& path);

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};
