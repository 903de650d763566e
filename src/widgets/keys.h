#pragma once
// Which key presses the key rules of the boxes see: those that produce a character code
// (printable characters, Backspace, Enter, Escape, control combinations), not the keys that
// only move or delete.

#include <QKeyEvent>

inline bool producesCharacter(const QKeyEvent* key)
{
    // Tab moves the focus; X11 gives Delete the text DEL, yet it types nothing.
    return !key->text().isEmpty() && key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab &&
           key->key() != Qt::Key_Delete;
}
