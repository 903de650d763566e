#pragma once
// The momentary alarm on the main window: the set-up panel, arming, the once-a-second
// count, the notice and every way back to the closed panel.

#include "mainwindow/main_window_layout.h"

#include <QObject>

class Platform;

class AlarmPanel : public QObject {
    Q_OBJECT
public:
    AlarmPanel(Ui::MainWindow& ui, Platform& platform, QWidget* window);

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

    Ui::MainWindow& ui;
    Platform& m_platform;
    QWidget* m_window;
    // Set while an armed alarm counts: the tick advances the counter only then.
    bool m_counting = false;
};
