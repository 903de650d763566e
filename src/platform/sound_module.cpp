// The sound module: wave files through Qt Multimedia's QSoundEffect.

#include "platform/wave_output.h"

#include <QApplication>
#include <QSoundEffect>
#include <QUrl>

namespace {

// One effect at a time, as the old single-channel call played one sound at a time.
class QtWaveOutput : public QObject, public WaveOutput {
public:
    explicit QtWaveOutput(QObject* owner) : QObject(owner)
    {
        // A file that cannot be decoded plays the default sound instead, and says nothing.
        connect(&m_effect, &QSoundEffect::statusChanged, this, [this] {
            if (m_effect.status() == QSoundEffect::Error)
                QApplication::beep();
            else if (m_effect.status() == QSoundEffect::Ready)
                m_effect.play();
        });
    }

    void play(const QString& path) override
    {
        const QUrl source = QUrl::fromLocalFile(path);
        if (m_effect.source() == source) {
            // The same source raises no new status: answer from the one it has.
            if (m_effect.status() == QSoundEffect::Ready) {
                m_effect.stop();
                m_effect.play();
            } else if (m_effect.status() == QSoundEffect::Error) {
                QApplication::beep();
            }
            return; // still loading: it plays once loaded
        }
        m_effect.stop();
        m_effect.setLoopCount(1);
        m_effect.setSource(source); // plays once loaded, through statusChanged
    }

private:
    QSoundEffect m_effect;
};

} // namespace

extern "C" Q_DECL_EXPORT WaveOutput* t10CreateWaveOutput(QObject* owner)
{
    return new QtWaveOutput(owner);
}
