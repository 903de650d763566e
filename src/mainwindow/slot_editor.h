#pragma once
// The editing rules of the ten slots, one handler per family of controls, each taking
// the slot; connected ten times from the slot table.

#include "mainwindow/main_window_layout.h"

#include <QObject>

class Platform;

class SlotEditor : public QObject {
    Q_OBJECT
public:
    SlotEditor(Ui::MainWindow& ui, Platform& platform, QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The slot text becomes the chosen type and " > ", whatever it held before.
    void pickType(int slot, int index);
    // Counter and warning, looked at before the key acts; the key itself goes on.
    void watchTextLength(int slot);
    // True when the key must not reach the days box.
    bool refusedByDaysFilter(const QString& keyText) const;
    // A days text that is not a number becomes "1"; the assignment's own change passes.
    void repairDays(int slot);
    void clearSlot(int slot);

    Ui::MainWindow& ui;
    Platform& m_platform;
    QWidget* m_window;
};

// Keeps a box to what Archivio.DAT can hold: a character outside Windows-1252, typed or
// pasted, shows as "?" at once, as it will be saved.
void keepToCodePage(QLineEdit* box);
