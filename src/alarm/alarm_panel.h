#pragma once
// The momentary alarm on the main window: the set-up panel, arming, the once-a-second
// count, the notice and every way back to the closed panel.

#include "alarm/alarm_panel_layout.h"

#include <QObject>

class Platform;
class QTimer;

class AlarmPanel : public QObject {
    Q_OBJECT
public:
    // opener: the button that opens the panel; timer: the once-a-second tick.
    AlarmPanel(Ui::AlarmPanel& ui, QPushButton* opener, QTimer* timer, Platform& platform,
               QWidget* window);

public slots:
    // The pointer left the "Allarme ATTIVO!" picture for the window around it.
    void calmActiveLabel();

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

    Ui::AlarmPanel& ui;
    QPushButton* m_opener;
    QTimer* m_timer;
    Platform& m_platform;
    QWidget* m_window;
    // Set while an armed alarm counts: the tick moves the counter only then.
    bool m_counting = false;
    // When it was armed, on the platform's elapsed clock.
    qint64 m_armedAt = 0;
    bool m_noticeOpened = false;
};
