#pragma once
// The information window: shown without modality while the main window is minimised;
// its exit button brings the main window back.

#include "info/info_window_layout.h"

#include <QWidget>

class InfoWindow : public QWidget {
    Q_OBJECT
public:
    // mainWindow is restored when the window is left by its button.
    explicit InfoWindow(QWidget* mainWindow);
    Ui::InfoWindow ui;

signals:
    void printRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showFirstBanner(bool first);
    QWidget* m_mainWindow;
};
