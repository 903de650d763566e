#include "platform/wave_player.h"

#include <QApplication>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

// One effect at a time, as the old single-channel call played one sound at a time.
struct WavePlayer::Impl {
    QSoundEffect effect;
};

WavePlayer::WavePlayer(QObject* parent) : QObject(parent), m_impl(std::make_unique<Impl>())
{
    QSoundEffect& effect = m_impl->effect;
    // A file that cannot be decoded plays the default sound instead, and says nothing.
    connect(&effect, &QSoundEffect::statusChanged, this, [&effect] {
        if (effect.status() == QSoundEffect::Error)
            QApplication::beep();
        else if (effect.status() == QSoundEffect::Ready)
            effect.play();
    });
}

WavePlayer::~WavePlayer() = default;

void WavePlayer::play(const QString& path)
{
    if (!QFileInfo(path).isFile()) {
        QApplication::beep();
        return;
    }
    QSoundEffect& effect = m_impl->effect;
    const QUrl source = QUrl::fromLocalFile(path);
    if (effect.source() == source) {
        // The same source raises no new status: answer from the one it has.
        if (effect.status() == QSoundEffect::Ready) {
            effect.stop();
            effect.play();
        } else if (effect.status() == QSoundEffect::Error) {
            QApplication::beep();
        }
        return; // still loading: it plays once loaded
    }
    effect.stop();
    effect.setLoopCount(1);
    effect.setSource(source); // plays once loaded, through statusChanged
}
