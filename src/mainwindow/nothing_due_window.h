#pragma once
// "Non ci sono scadenze immediate!": shown at start when nothing falls due today;
// the user quits at once or goes on to the main window.

#include "mainwindow/nothing_due_window_layout.h"

#include <QDialog>

class NothingDueWindow : public QDialog {
    Q_OBJECT
public:
    enum Choice { Quit = 100, Continue = 101 };

    explicit NothingDueWindow(QWidget* parent = nullptr);

public slots:
    // A close from outside lets the start go on, as the window's own second button does.
    void reject() override { done(Continue); }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    Ui::NothingDueWindow ui;
};
