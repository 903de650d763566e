#include "fake_platform.h"

#include "platform/printer_job.h"

#include <QPrinter>

void FakePlatform::message(QWidget*, const QString& text, Icon icon, const QString& title)
{
    messages.push_back({text, icon, title});
    if (onMessage) {
        ++modalDepth;
        onMessage(messages.back());
        --modalDepth;
    }
}

bool FakePlatform::askYesNo(QWidget*, const QString& text)
{
    questions << text;
    if (yesNoAnswers.empty())
        return false;
    const bool yes = yesNoAnswers.front();
    yesNoAnswers.pop_front();
    return yes;
}

std::unique_ptr<PrintJob> FakePlatform::defaultPrinter(const QString& documentName)
{
    std::unique_ptr<QPrinter> printer = printerFactory ? printerFactory() : nullptr;
    if (!printer)
        return nullptr;
    printer->setDocName(documentName);
    return std::make_unique<PrinterJob>(std::move(printer));
}

int FakePlatform::runModal(QDialog* dialog)
{
    modalWindows << dialog->objectName();
    dialog->setModal(true);
    dialog->show();
    if (onModal) {
        ++modalDepth;
        onModal(dialog);
        --modalDepth;
    } else if (dialog->isVisible()) {
        dialog->accept();
    }
    // The dialog decided how it closed (accept, reject or done(n)).
    dialog->hide();
    return dialog->result();
}

void FakePlatform::passTime(qint64 ms, int clocks)
{
    if (clocks & Wall) {
        const QDateTime moved = QDateTime(todayDate, nowTime).addMSecs(ms);
        todayDate = moved.date();
        nowTime = moved.time();
    }
    if (clocks & Elapsed)
        bootMs += ms;
}

QStringList FakePlatform::messageTexts() const
{
    QStringList texts;
    for (const auto& m : messages)
        texts << m.text;
    return texts;
}
