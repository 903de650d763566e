#include "platform/wave_player.h"

#include "platform/program_module.h"
#include "platform/wave_output.h"

#include <QApplication>
#include <QFileInfo>

struct WavePlayer::Impl {
    QString moduleFolder;
    std::function<void()> beep;
    bool moduleTried = false;
    WaveOutput* output = nullptr; // a child of the player
};

WavePlayer::WavePlayer(QObject* parent)
    : WavePlayer(QCoreApplication::applicationDirPath(), &QApplication::beep, parent)
{
}

WavePlayer::WavePlayer(const QString& moduleFolder, std::function<void()> beep, QObject* parent)
    : QObject(parent), m_impl(std::make_unique<Impl>())
{
    m_impl->moduleFolder = moduleFolder;
    m_impl->beep = std::move(beep);
}

WavePlayer::~WavePlayer() = default;

void WavePlayer::prepare()
{
    // Qt Multimedia and the sound server connection take a while to come up: better ahead
    // of a sound than while a window waits for it.
    if (m_impl->moduleTried)
        return;
    m_impl->moduleTried = true;
    if (auto create = reinterpret_cast<CreateWaveOutput>(
            programModuleEntry(m_impl->moduleFolder, kWaveModuleName, kCreateWaveOutput)))
        m_impl->output = create(this);
}

void WavePlayer::play(const QString& path)
{
    if (!QFileInfo(path).isFile()) {
        m_impl->beep();
        return;
    }
    prepare();
    if (m_impl->output)
        m_impl->output->play(path);
    else
        m_impl->beep();
}
