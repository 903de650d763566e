#pragma once
// The installer's only window: shows "Attendere...", writes the start-up shortcut and then the
// Programs shortcut one second apart, shows "OK!" and closes a second later.

#include "installer/special_folders.h"

#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QTimer;

class InstallerWindow : public QWidget {
    Q_OBJECT
public:
    explicit InstallerWindow(QWidget* parent = nullptr);

    // The folder the main program lies in; the shortcuts point into it.
    static QString programFolder();

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void onTimer1Tick();
    void onTimer3Tick();
    void onTimer2Tick();

private:
    void buildControls();
    void load();
    // False once a step has failed: the failure was shown and the window is closing.
    bool shortcutStep(SpecialFolder folder);
    void stopTimers();

    QLabel* Label6 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QLineEdit* txtTarget = nullptr;
    QLineEdit* txtDescription = nullptr;
    QLineEdit* txtArguments = nullptr;
    QLineEdit* txtStartIn = nullptr;
    QLineEdit* txtName = nullptr;
    QLineEdit* Text1 = nullptr;
    QLabel* label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;
    QTimer* Timer3 = nullptr;
    bool failed = false;
};
