#include "mainwindow/nothing_due_window.h"

#include "widgets/rounded_outline.h"

#include <QKeyEvent>

NothingDueWindow::NothingDueWindow(QWidget* parent) : QDialog(parent)
{
    ui.setupUi(this);
    setRoundedOutline(this, Ui::kNothingDueTwips, 40);
    // Enter goes on to the main window; quitting takes a deliberate click on "Chiudi".
    ui.Command2->setDefault(true);
    ui.Command2->setFocus();
    connect(ui.Command1, &QPushButton::clicked, this, [this] { done(Quit); });
    connect(ui.Command2, &QPushButton::clicked, this, [this] { done(Continue); });
}

void NothingDueWindow::keyPressEvent(QKeyEvent* event)
{
    // Escape must not end the program unasked: only "Chiudi" does that.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
