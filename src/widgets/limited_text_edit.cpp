#include "widgets/limited_text_edit.h"

#include <algorithm>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>

LimitedTextEdit::LimitedTextEdit(QWidget* parent) : QPlainTextEdit(parent)
{
}

int LimitedTextEdit::length() const
{
    return toPlainText().size();
}

int LimitedTextEdit::room() const
{
    const QTextCursor cursor = textCursor();
    return std::max(0, m_maxLength - length() + (cursor.selectionEnd() - cursor.selectionStart()));
}

void LimitedTextEdit::keyPressEvent(QKeyEvent* event)
{
    const QString text = event->text();
    const bool adds =
        !text.isEmpty() && (text.at(0).isPrint() || text.at(0) == u'\t' ||
                            event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter);
    // A key may carry more than one character.
    if (adds && text.size() > room()) {
        if (text.at(0).isPrint())
            insertPlainText(text.left(room()));
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void LimitedTextEdit::inputMethodEvent(QInputMethodEvent* event)
{
    // Composed text (dead keys, compose sequences, input methods) arrives here, not as keys.
    const int fits = room() + event->replacementLength();
    if (event->commitString().size() <= fits) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent cut(event->preeditString(), event->attributes());
    cut.setCommitString(event->commitString().left(fits), event->replacementStart(),
                        event->replacementLength());
    QPlainTextEdit::inputMethodEvent(&cut);
    event->accept();
}

void LimitedTextEdit::insertFromMimeData(const QMimeData* source)
{
    if (!source->hasText())
        return;
    insertPlainText(source->text().left(room()));
}
