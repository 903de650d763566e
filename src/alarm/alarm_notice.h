#pragma once
// The alarm notice: shows the type and the optional text and plays the type's sound;
// its "OK" acknowledges the alarm.

#include "alarm/alarm_notice_layout.h"

#include <QDialog>

class Platform;

class AlarmNotice : public QDialog {
    Q_OBJECT
public:
    // The alarm's type, its optional text, and the user's wave file for "Mio Allarme".
    AlarmNotice(const QString& type, const QString& text, const QString& customFile,
                Platform& platform, QWidget* parent = nullptr);

signals:
    // "OK" was pressed; the window closes once the receivers have run.
    void acknowledged();

public slots:
    // Only "OK" ends the notice: Escape would leave the alarm half reset.
    void reject() override {}

private:
    Ui::AlarmNotice ui;
};
