#pragma once
// cmdList: shows the deadline types window and, however it closed, adds the type typed in
// it to the end of the ten type combos.

#include <QObject>

class Platform;
class QWidget;
namespace Ui {
class MainWindow;
}

class TypesCommand : public QObject {
    Q_OBJECT
public:
    TypesCommand(Ui::MainWindow& ui, Platform& platform, QWidget* window);

    void showTypes();

private:
    Ui::MainWindow& m_ui;
    Platform& m_platform;
    QWidget* m_window;
};
