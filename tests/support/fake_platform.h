#pragma once
// A recording platform for window tests: a wall clock and an elapsed clock that the test
// moves, scripted Yes/No answers and modal results, and every message, beep and sound in order.

#include "platform/platform.h"

#include <deque>
#include <functional>
#include <QDialog>
#include <QStringList>
#include <vector>

class QPrinter;

class FakePlatform : public Platform {
public:
    struct Message {
        QString text;
        Icon icon;
        QString title;
    };

    void message(QWidget* parent, const QString& text, Icon icon, const QString& title) override;
    bool askYesNo(QWidget* parent, const QString& text) override;
    void beep() override { ++beeps; }
    void playWave(const QString& path) override { played << path; }
    void prepareSound() override {}
    QDate today() override { return todayDate; }
    QDateTime now() override { return QDateTime(todayDate, nowTime); }
    qint64 elapsedMs() override { return bootMs; }
    QString programFolder() override { return folder; }
    std::unique_ptr<PrintJob> defaultPrinter(const QString& documentName) override;
    int runModal(QDialog* dialog) override;
    bool showingModal() override { return modalDepth > 0; }
    void quit() override { ++quits; }

    // Message texts only, in order.
    QStringList messageTexts() const;

    // Moves the wall clock, the elapsed clock or both: a suspend moves both, a clock set by
    // hand the wall clock alone, a stalled program neither (its ticks come late).
    enum Clock { Wall = 1, Elapsed = 2, Both = Wall | Elapsed };
    void passTime(qint64 ms, int clocks = Both);

    QDate todayDate{2005, 3, 10};
    QTime nowTime{9, 30};
    qint64 bootMs = 1000000;
    QString folder;
    std::deque<bool> yesNoAnswers; // answered front first; No when empty
    std::function<std::unique_ptr<QPrinter>()> printerFactory; // none when unset
    // Called with every modal dialog while it is shown; it must close it. When unset the
    // dialog is recorded and closed with QDialog::Accepted.
    std::function<void(QDialog*)> onModal;
    // Called after every message is recorded (a test may act inside a modal moment).
    std::function<void(const Message&)> onMessage;

    std::vector<Message> messages;
    QStringList questions;
    QStringList modalWindows; // names (objectName) of the dialogs shown modally
    QStringList played;
    int beeps = 0;
    int quits = 0;
    int modalDepth = 0; // while onModal or onMessage runs
};
