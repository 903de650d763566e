#pragma once
// cmdList: shows the deadline types window and, however it closed, adds the type typed in
// it to the end of the ten type combos.

#include <array>
#include <QObject>

class Platform;
class QComboBox;
class QPushButton;
class QWidget;

class TypesCommand : public QObject {
    Q_OBJECT
public:
    using Combos = std::array<QComboBox*, 10>;
    // opener: cmdList; combos: the slots' type combos, slot 1 first.
    TypesCommand(QPushButton* opener, Combos combos, Platform& platform, QWidget* window);

    void showTypes();

private:
    Combos m_combos;
    Platform& m_platform;
    QWidget* m_window;
};
