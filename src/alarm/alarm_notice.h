#pragma once
// The alarm notice: shows the type and the optional text and plays the type's sound;
// its "OK" acknowledges the alarm.

#include "alarm/alarm_notice_layout.h"
#include "mainwindow/main_window_layout.h"

#include <QDialog>

class Platform;

class AlarmNotice : public QDialog {
    Q_OBJECT
public:
    // Reads the main window's type, custom file and text as they are now.
    AlarmNotice(const Ui::MainWindow& main, Platform& platform, QWidget* parent = nullptr);
    Ui::AlarmNotice ui;

signals:
    // "OK" was pressed; the window closes once the receivers have run.
    void acknowledged();

public slots:
    // Only "OK" ends the notice: Escape would leave the alarm half reset.
    void reject() override {}
};
