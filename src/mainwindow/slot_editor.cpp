#include "mainwindow/slot_editor.h"

#include "core/startup_notices.h"
#include "windows/platform.h"

SlotEditor::SlotEditor(Ui::frmTelefono& ui, Platform& platform, QWidget* window)
    : QObject(window), ui(ui), m_platform(platform), m_window(window)
{
    for (int slot = 1; slot <= 10; ++slot) {
        const SlotControls& s = ui.rows[slot - 1];
        connect(s.days, &QLineEdit::textChanged, this, [this, slot] { repairDays(slot); });
    }
}

void SlotEditor::repairDays(int slot)
{
    QLineEdit* days = ui.rows[slot - 1].days;
    if (!isNumberText(days->text().toStdString()))
        days->setText("1");
}
