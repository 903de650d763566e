#include "platform/wave_player.h"

#include "platform/wave_output.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

struct WavePlayer::Impl {
    bool moduleTried = false;
    WaveOutput* output = nullptr; // a child of the player
};

WavePlayer::WavePlayer(QObject* parent) : QObject(parent), m_impl(std::make_unique<Impl>())
{
}

WavePlayer::~WavePlayer() = default;

void WavePlayer::play(const QString& path)
{
    if (!QFileInfo(path).isFile()) {
        QApplication::beep();
        return;
    }
    if (!m_impl->moduleTried) {
        m_impl->moduleTried = true;
        // Loaded for good: the output's code must outlive it.
        QLibrary module(QDir(QCoreApplication::applicationDirPath()).filePath(kWaveModuleName));
        if (auto create = reinterpret_cast<CreateWaveOutput>(module.resolve(kCreateWaveOutput)))
            m_impl->output = create(this);
        else
            qWarning("No sound module: %s", qPrintable(module.errorString()));
    }
    if (m_impl->output)
        m_impl->output->play(path);
    else
        QApplication::beep();
}
