#include "types/types_command.h"

#include "types/frmlista.h"
#include "windows/frmtelefono_layout.h"
#include "windows/platform.h"

#include <QDir>

TypesCommand::TypesCommand(Ui::frmTelefono& ui, Platform& platform, QWidget* window)
    : m_ui(ui), m_platform(platform), m_window(window)
{
    connect(ui.cmdList, &QPushButton::clicked, this, &TypesCommand::showTypes);
}

void TypesCommand::showTypes()
{
    frmLista lista(m_platform, QDir(m_platform.programFolder()).filePath("lista.txt"), m_window);
    m_platform.runModal(&lista);
    // Combos only grow while the program runs; the file decides what the next start shows.
    const QString typed = lista.ui.Text2->text();
    if (typed.isEmpty())
        return;
    for (SlotControls& s : m_ui.rows)
        s.type->addItem(typed);
}
