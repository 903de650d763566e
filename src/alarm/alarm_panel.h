#pragma once
// The momentary alarm on the main window: the set-up panel, arming, the once-a-second
// count, the notice and every way back to the closed panel.

#include "windows/frmtelefono_layout.h"

#include <QObject>

class Platform;

class AlarmPanel : public QObject {
    Q_OBJECT
public:
    AlarmPanel(Ui::frmTelefono& ui, Platform& platform, QWidget* window);

private:
    void openPanel();
    void pickType();
    void pickMinutes(int index);
    void pickFile();
    void clearFile();
    void arm();
    void tick();
    void acknowledge();
    void cancel();
    void showHelp();
    bool eventFilter(QObject* watched, QEvent* event) override;
    void setPanelWidth(int twips);

    Ui::frmTelefono& ui;
    Platform& m_platform;
    QWidget* m_window;
    // 1 lets the tick advance the counter.
    int ConteggioAttivo = 0;
};
