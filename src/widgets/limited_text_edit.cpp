#include "widgets/limited_text_edit.h"

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
    return m_maxLength - length() + (cursor.selectionEnd() - cursor.selectionStart());
}

void LimitedTextEdit::keyPressEvent(QKeyEvent* event)
{
    const QString text = event->text();
    const bool adds =
        !text.isEmpty() && (text.at(0).isPrint() || text.at(0) == u'\t' ||
                            event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter);
    if (adds && room() < 1) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void LimitedTextEdit::insertFromMimeData(const QMimeData* source)
{
    if (!source->hasText())
        return;
    insertPlainText(source->text().left(std::max(0, room())));
}
