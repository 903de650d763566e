#pragma once
// The information window: shown without modality while the main window is put aside;
// however it closes, it says so, and the main window comes back.

#include "info/info_window_layout.h"

#include <QWidget>

class InfoWindow : public QWidget {
    Q_OBJECT
public:
    explicit InfoWindow(QWidget* parent = nullptr);

signals:
    void printRequested();
    // Closed by its button, Escape, or the window manager.
    void left();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void showFirstBanner(bool first);

    Ui::InfoWindow ui;
};
