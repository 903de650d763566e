#include "windows/form1.h"

#include "windows/rounded.h"

#include <QKeyEvent>

Form1::Form1(QWidget* parent) : QDialog(parent)
{
    ui.setupUi(this);
    Rounded(this, Ui::kForm1Twips, 40);
    // Enter goes on to the main window; quitting takes a deliberate click on "Chiudi".
    ui.Command2->setDefault(true);
    ui.Command2->setFocus();
    connect(ui.Command1, &QPushButton::clicked, this, [this] { done(Quit); });
    connect(ui.Command2, &QPushButton::clicked, this, [this] { done(Continue); });
}

void Form1::keyPressEvent(QKeyEvent* event)
{
    // Escape must not end the program unasked: only "Chiudi" does that.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
