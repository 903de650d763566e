#include "platform/wave_player_win.h"
#include "platform/wave_player.h"

#include <mmsystem.h>
#include <QDir>

PlaySoundCall playSoundCall = &PlaySoundW;

// winmm keeps the one sound itself: a new call stops the one playing.
struct WavePlayer::Impl {};

WavePlayer::WavePlayer(QObject* parent) : QObject(parent)
{
}

// winmm needs no module, and plays the default sound itself.
WavePlayer::WavePlayer(const QString&, std::function<void()>, QObject* parent) : QObject(parent)
{
}

WavePlayer::~WavePlayer() = default;

void WavePlayer::prepare()
{
}

void WavePlayer::play(const QString& path)
{
    // No SND_NODEFAULT: a missing or unplayable file gives the system's default sound.
    const std::wstring file = QDir::toNativeSeparators(path).toStdWString();
    playSoundCall(file.c_str(), nullptr, SND_ASYNC | SND_FILENAME);
}
