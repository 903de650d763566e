#pragma once
// The information window: shown without modality while the main window is minimised;
// its exit button brings the main window back.

#include "windows/aux_layouts.h"

#include <QWidget>

class Form2 : public QWidget {
    Q_OBJECT
public:
    // mainWindow is restored when the window is left by its button.
    explicit Form2(QWidget* mainWindow);
    Ui::Form2 ui;

signals:
    void printRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showFirstBanner(bool first);
    QWidget* m_mainWindow;
};
