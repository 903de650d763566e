#pragma once
// The alarm notice: shows the type and the optional text and plays the type's sound;
// its "OK" acknowledges the alarm.

#include "windows/aux_layouts.h"
#include "windows/frmtelefono_layout.h"

#include <QDialog>

class Platform;

class Form3 : public QDialog {
    Q_OBJECT
public:
    // Reads the main window's type, custom file and text as they are now.
    Form3(const Ui::frmTelefono& main, Platform& platform, QWidget* parent = nullptr);
    Ui::Form3 ui;

signals:
    // "OK" was pressed; the window closes once the receivers have run.
    void acknowledged();

public slots:
    // Only "OK" ends the notice: Escape would leave the alarm half reset.
    void reject() override {}
};
