#pragma once
// The sound module's one service: plays a wave file asynchronously, one at a time. It lives
// in a module of its own, loaded on the first sound or ahead of one, so that Qt Multimedia
// and the audio libraries behind it cost nothing at a start where no sound is played.

#include <QString>

class QObject;

class WaveOutput {
public:
    virtual ~WaveOutput() = default;
    // Starts the file, which must exist; the system's beep when it cannot be played.
    virtual void play(const QString& path) = 0;
};

// The module's file name without prefix or suffix, and its entry point: makes the output
// as a child of the given object, which owns it.
inline const QString kWaveModuleName = QStringLiteral("t10sound");
inline constexpr char kCreateWaveOutput[] = "t10CreateWaveOutput";
using CreateWaveOutput = WaveOutput* (*)(QObject* owner);
