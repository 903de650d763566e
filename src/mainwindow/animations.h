#pragma once
// The main window's purely visual behaviours: the flicker of the caption picture, the
// colour cascade of the slot texts after the start, and the looks of the "Info" link.
// Timer1 is the one clock of all motion: its tick also moves the animated pictures on.

#include "mainwindow/main_window_layout.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QPointer>

class Platform;

class Animations : public QObject {
    Q_OBJECT
public:
    Animations(Ui::MainWindow& ui, Platform& platform, QWidget* window);

    // Another window whose animated pictures the clock moves on while it is shown.
    void follow(QWidget* other);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void flicker();
    // The picture of the last tick, when the window can be seen at all.
    void showFlickerPicture();
    bool windowShowing() const;
    // Timer1 rests while none of the windows it moves can be seen.
    void followSight(QWidget* hiding);
    bool isFollowed(const QObject* object) const;
    void cascade(int slot);
    void infoHover();
    void infoPressed();
    void infoReleased();
    void infoReset();

    Ui::MainWindow& ui;
    Platform& m_platform;
    QWidget* m_window;
    // Set when the last tick stood for imgScritta01.
    bool m_flag = false;
    bool m_ticked = false;
    QList<QPointer<QWidget>> m_followed;
    QList<QPointer<MouseLabel>> m_animated;
    bool m_resting = false;
    bool m_restingTimerWasActive = false;
    QDateTime m_restStarted;
};
