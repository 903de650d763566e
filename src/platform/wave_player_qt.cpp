#include "platform/wave_player.h"

#include "platform/wave_output.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

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
    // Loaded for good: the output's code must outlive it.
    QLibrary module(QDir(m_impl->moduleFolder).filePath(kWaveModuleName));
    if (auto create = reinterpret_cast<CreateWaveOutput>(module.resolve(kCreateWaveOutput)))
        m_impl->output = create(this);
    else
        qWarning("No sound module: %s", qPrintable(module.errorString()));
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
