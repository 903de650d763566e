#include "types/types_command.h"

#include "mainwindow/main_window_layout.h"
#include "platform/platform.h"
#include "types/types_window.h"

#include <QDir>
#include <QSignalBlocker>

TypesCommand::TypesCommand(Ui::MainWindow& ui, Platform& platform, QWidget* window)
    : m_ui(ui), m_platform(platform), m_window(window)
{
    connect(ui.cmdList, &QPushButton::clicked, this, &TypesCommand::showTypes);
}

void TypesCommand::showTypes()
{
    TypesWindow lista(m_platform, QDir(m_platform.programFolder()).filePath("lista.txt"), m_window);
    m_platform.runModal(&lista);
    // Combos only grow while the program runs; the file decides what the next start shows.
    const QString typed = lista.ui.Text2->text();
    if (typed.trimmed().isEmpty())
        return;
    for (SlotControls& s : m_ui.rows) {
        // Qt makes the first entry of an empty list current; that would pick the type and
        // overwrite the slot's text. Adding chooses nothing.
        const QSignalBlocker quiet(s.type);
        const int index = s.type->currentIndex();
        const QString shown = s.type->currentText();
        s.type->addItem(typed);
        s.type->setCurrentIndex(index);
        s.type->setEditText(shown);
    }
}
