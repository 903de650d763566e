#pragma once
// Plays one wave file at a time, asynchronously; the system's default sound when the file
// is missing or cannot be played. One implementation file per platform.

#include <memory>
#include <QObject>
#include <QString>

class WavePlayer : public QObject {
public:
    explicit WavePlayer(QObject* parent = nullptr);
    ~WavePlayer() override;

    void play(const QString& path);

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};
