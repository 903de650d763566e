#pragma once
// What the windows need of the machine, behind one seam: messages, sounds, the clock,
// the program folder, the printer and modal display. Tests hand in a recording fake.

#include <memory>
#include <QDate>
#include <QDateTime>
#include <QString>

class QDialog;
class PrintJob;
class QWidget;

class Platform {
public:
    enum class Icon { None, Information, Warning };

    virtual ~Platform() = default;

    // Modal message box with an OK button; the caption is "Tempestina10" unless given.
    virtual void message(QWidget* parent, const QString& text, Icon icon = Icon::None,
                         const QString& title = {}) = 0;
    // Modal Yes/No question; true for Yes.
    virtual bool askYesNo(QWidget* parent, const QString& text) = 0;
    virtual void beep() = 0;
    // Starts a wave file and returns at once; the default sound when it cannot play.
    virtual void playWave(const QString& path) = 0;
    // Readies the sound output for a sound to come, so that it then starts at once.
    virtual void prepareSound() = 0;
    // The local wall clock, which the user or the time service may set at any moment.
    virtual QDate today() = 0;
    virtual QDateTime now() = 0;
    // Milliseconds on a clock that runs on while the machine sleeps and that no setting of
    // the wall clock moves; only differences between two readings mean anything.
    virtual qint64 elapsedMs() = 0;
    // The folder of the program's files (lista.txt, the .wav files).
    virtual QString programFolder() = 0;
    // A document of the given name on the default printer, or none.
    virtual std::unique_ptr<PrintJob> defaultPrinter(const QString& documentName) = 0;
    // Shows a dialog modally and returns its result when it has closed.
    virtual int runModal(QDialog* dialog) = 0;
    // Whether a modal dialog or message is open at this moment.
    virtual bool showingModal() = 0;
    // Ends the program once the current event has been handled; every window closes.
    virtual void quit() = 0;
};

// The window title of every message without a title of its own.
inline const QString kProductName = QStringLiteral("Tempestina10");
