#pragma once
// The editing rules of the ten slots, one handler per family of controls, each taking
// the slot; connected ten times from the slot table.

#include "windows/frmtelefono_layout.h"

#include <QObject>

class Platform;

class SlotEditor : public QObject {
    Q_OBJECT
public:
    SlotEditor(Ui::frmTelefono& ui, Platform& platform, QWidget* window);

private:
    // A days text that is not a number becomes "1"; the assignment's own change passes.
    void repairDays(int slot);

    Ui::frmTelefono& ui;
    Platform& m_platform;
    QWidget* m_window;
};
