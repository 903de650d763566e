#pragma once
// A recording platform for window tests: fixed today, scripted Yes/No answers and modal
// results, and every message, beep and sound in order.

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
    QString programFolder() override { return folder; }
    std::unique_ptr<PrintJob> defaultPrinter(const QString& documentName) override;
    int runModal(QDialog* dialog) override;
    void quit() override { ++quits; }

    // Message texts only, in order.
    QStringList messageTexts() const;

    QDate todayDate{2005, 3, 10};
    QTime nowTime{9, 30};
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
};
