#include "types/types_command.h"

#include "platform/platform.h"
#include "types/types_window.h"

#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QSignalBlocker>

TypesCommand::TypesCommand(QPushButton* opener, Combos combos, Platform& platform, QWidget* window)
    : m_combos(combos), m_platform(platform), m_window(window)
{
    connect(opener, &QPushButton::clicked, this, &TypesCommand::showTypes);
}

void TypesCommand::showTypes()
{
    TypesWindow lista(m_platform, QDir(m_platform.programFolder()).filePath("lista.txt"), m_window);
    m_platform.runModal(&lista);
    // Combos only grow while the program runs; the file decides what the next start shows.
    const QString typed = lista.typedType();
    if (typed.trimmed().isEmpty())
        return;
    for (QComboBox* combo : m_combos) {
        // Qt makes the first entry of an empty list current; that would pick the type and
        // overwrite the slot's text. Adding chooses nothing.
        const QSignalBlocker quiet(combo);
        const int index = combo->currentIndex();
        const QString shown = combo->currentText();
        combo->addItem(typed);
        combo->setCurrentIndex(index);
        combo->setEditText(shown);
    }
}
