#include "accessibility/accessible_text.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QValidator>

AccessibleLineEdit::AccessibleLineEdit(QLineEdit* edit)
    : QAccessibleWidget(edit, QAccessible::EditableText)
{
}

QLineEdit* AccessibleLineEdit::edit() const
{
    return static_cast<QLineEdit*>(widget());
}

QString AccessibleLineEdit::shownText() const
{
    switch (edit()->echoMode()) {
    case QLineEdit::Normal:
        return edit()->text();
    case QLineEdit::NoEcho:
        return QString();
    default:
        return edit()->displayText();
    }
}

void* AccessibleLineEdit::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    if (t == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
}

QString AccessibleLineEdit::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return shownText();
    QString s = QAccessibleWidget::text(t);
    if (s.isEmpty() && t == QAccessible::Description)
        s = edit()->placeholderText();
    return s;
}

void AccessibleLineEdit::setText(QAccessible::Text t, const QString& text)
{
    if (t != QAccessible::Value) {
        QAccessibleWidget::setText(t, text);
        return;
    }
    QString fixed = text;
    if (const QValidator* v = edit()->validator())
        v->fixup(fixed);
    edit()->setText(fixed);
}

QAccessible::State AccessibleLineEdit::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    if (edit()->isReadOnly())
        s.readOnly = true;
    else
        s.editable = true;
    if (edit()->echoMode() != QLineEdit::Normal)
        s.passwordEdit = true;
    s.selectableText = true;
    return s;
}

void AccessibleLineEdit::selection(int selectionIndex, int* startOffset, int* endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !edit()->hasSelectedText())
        return;
    *startOffset = edit()->selectionStart();
    *endOffset = edit()->selectionEnd();
}

int AccessibleLineEdit::selectionCount() const
{
    return edit()->hasSelectedText() ? 1 : 0;
}

void AccessibleLineEdit::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void AccessibleLineEdit::removeSelection(int selectionIndex)
{
    if (selectionIndex != 0)
        return;
    const int cursor = edit()->cursorPosition();
    edit()->deselect();
    edit()->setCursorPosition(cursor);
}

void AccessibleLineEdit::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0)
        edit()->setSelection(startOffset, endOffset - startOffset);
}

int AccessibleLineEdit::cursorPosition() const
{
    return edit()->cursorPosition();
}

void AccessibleLineEdit::setCursorPosition(int position)
{
    edit()->setCursorPosition(position);
}

QString AccessibleLineEdit::text(int startOffset, int endOffset) const
{
    if (startOffset > endOffset)
        return QString();
    return shownText().mid(startOffset, endOffset - startOffset);
}

int AccessibleLineEdit::characterCount() const
{
    return shownText().size();
}

QRect AccessibleLineEdit::characterRect(int offset) const
{
    const QString shown = edit()->displayText();
    if (offset < 0 || offset >= shown.size())
        return QRect();
    // The caret's rectangle moved by the width of the text between the caret and the offset:
    // the box's own layout is not public.
    const QRect caret = edit()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const QFontMetrics metrics(edit()->font());
    const int x = caret.x() + metrics.horizontalAdvance(shown.left(offset)) -
                  metrics.horizontalAdvance(shown.left(edit()->cursorPosition()));
    return QRect(edit()->mapToGlobal(QPoint(x, caret.y())),
                 QSize(metrics.horizontalAdvance(shown.mid(offset, 1)), caret.height()));
}

int AccessibleLineEdit::offsetAtPoint(const QPoint& point) const
{
    return edit()->cursorPositionAt(edit()->mapFromGlobal(point));
}

void AccessibleLineEdit::scrollToSubstring(int startIndex, int /*endIndex*/)
{
    edit()->setCursorPosition(startIndex);
}

QString AccessibleLineEdit::attributes(int /*offset*/, int* startOffset, int* endOffset) const
{
    // One font and one colour: one run, whatever the offset.
    *startOffset = 0;
    *endOffset = characterCount();
    return QString();
}

void AccessibleLineEdit::deleteText(int startOffset, int endOffset)
{
    edit()->setSelection(startOffset, endOffset - startOffset);
    edit()->del();
}

void AccessibleLineEdit::insertText(int offset, const QString& text)
{
    edit()->setCursorPosition(offset);
    edit()->insert(text);
}

void AccessibleLineEdit::replaceText(int startOffset, int endOffset, const QString& text)
{
    edit()->setSelection(startOffset, endOffset - startOffset);
    edit()->insert(text);
}

namespace {

bool isRuleLine(QStringView line)
{
    int hyphens = 0;
    for (QChar c : line) {
        if (c == u'-')
            ++hyphens;
        else if (c != u' ' && c != u'\r')
            return false;
    }
    return hyphens >= 3;
}

} // namespace

ReaderText readerText(const QString& full)
{
    ReaderText r;
    qsizetype start = 0;
    while (start < full.size()) {
        qsizetype end = full.indexOf(u'\n', start);
        const qsizetype next = end < 0 ? full.size() : end + 1;
        if (end < 0)
            end = full.size();
        if (isRuleLine(QStringView(full).mid(start, end - start)))
            r.removed.append({int(start), int(next - start)});
        else
            r.text += QStringView(full).mid(start, next - start);
        start = next;
    }
    return r;
}

int ReaderText::toReader(int offset) const
{
    int reader = offset;
    for (const auto& [start, length] : removed) {
        if (start >= offset)
            break;
        reader -= qMin(length, offset - start);
    }
    return reader;
}

int ReaderText::toFull(int offset) const
{
    int full = offset;
    for (const auto& [start, length] : removed) {
        if (start > full)
            break;
        full += length;
    }
    return full;
}

AccessibleFramedText::AccessibleFramedText(QPlainTextEdit* edit)
    : QAccessibleWidget(edit, QAccessible::EditableText)
{
}

QPlainTextEdit* AccessibleFramedText::edit() const
{
    return static_cast<QPlainTextEdit*>(widget());
}

const ReaderText& AccessibleFramedText::shown() const
{
    const int revision = edit()->document()->revision();
    if (revision != m_revision) {
        m_shown = readerText(edit()->toPlainText());
        m_revision = revision;
    }
    return m_shown;
}

void* AccessibleFramedText::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
}

QString AccessibleFramedText::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return shown().text;
    return QAccessibleWidget::text(t);
}

QAccessible::State AccessibleFramedText::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.multiLine = true;
    s.selectableText = true;
    if (edit()->isReadOnly())
        s.readOnly = true;
    else
        s.editable = true;
    return s;
}

void AccessibleFramedText::selection(int selectionIndex, int* startOffset, int* endOffset) const
{
    *startOffset = *endOffset = 0;
    const QTextCursor cursor = edit()->textCursor();
    if (selectionIndex != 0 || !cursor.hasSelection())
        return;
    *startOffset = shown().toReader(cursor.selectionStart());
    *endOffset = shown().toReader(cursor.selectionEnd());
}

int AccessibleFramedText::selectionCount() const
{
    return edit()->textCursor().hasSelection() ? 1 : 0;
}

void AccessibleFramedText::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void AccessibleFramedText::removeSelection(int selectionIndex)
{
    if (selectionIndex != 0)
        return;
    QTextCursor cursor = edit()->textCursor();
    cursor.clearSelection();
    edit()->setTextCursor(cursor);
}

void AccessibleFramedText::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex != 0)
        return;
    QTextCursor cursor = edit()->textCursor();
    cursor.setPosition(shown().toFull(startOffset));
    cursor.setPosition(shown().toFull(endOffset), QTextCursor::KeepAnchor);
    edit()->setTextCursor(cursor);
}

int AccessibleFramedText::cursorPosition() const
{
    return shown().toReader(edit()->textCursor().position());
}

void AccessibleFramedText::setCursorPosition(int position)
{
    QTextCursor cursor = edit()->textCursor();
    cursor.setPosition(shown().toFull(position));
    edit()->setTextCursor(cursor);
}

QString AccessibleFramedText::text(int startOffset, int endOffset) const
{
    if (startOffset > endOffset)
        return QString();
    return shown().text.mid(startOffset, endOffset - startOffset);
}

int AccessibleFramedText::characterCount() const
{
    return shown().text.size();
}

QRect AccessibleFramedText::characterRect(int offset) const
{
    const int full = shown().toFull(offset);
    QTextCursor cursor(edit()->document());
    cursor.setPosition(qBound(0, full, edit()->document()->characterCount() - 1));
    const QRect caret = edit()->cursorRect(cursor);
    const int width =
        QFontMetrics(edit()->font()).horizontalAdvance(edit()->document()->characterAt(full));
    return QRect(edit()->viewport()->mapToGlobal(caret.topLeft()), QSize(width, caret.height()));
}

int AccessibleFramedText::offsetAtPoint(const QPoint& point) const
{
    const QPoint local = edit()->viewport()->mapFromGlobal(point);
    return shown().toReader(edit()->cursorForPosition(local).position());
}

void AccessibleFramedText::scrollToSubstring(int startIndex, int /*endIndex*/)
{
    // The scroll bar of a plain text edit counts lines.
    const QTextBlock block = edit()->document()->findBlock(shown().toFull(startIndex));
    edit()->verticalScrollBar()->setValue(block.firstLineNumber());
}

QString AccessibleFramedText::attributes(int /*offset*/, int* startOffset, int* endOffset) const
{
    // Plain text in one font: one run.
    *startOffset = 0;
    *endOffset = characterCount();
    return QString();
}
