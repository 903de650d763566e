#pragma once
// Text controls as a screen reader reads them, where Qt's own interfaces mislead Orca.

#include <QAccessibleWidget>
#include <QList>
#include <QPair>

class QLineEdit;
class QPlainTextEdit;

// Qt 6.4 answers every attribute request on a line edit with an empty run that begins and
// ends at the offset asked; Orca 43 joins those runs into one that stops before the last
// character and speaks every value one character short. Here the run is the whole text;
// the rest is what Qt's own interface says.
class AccessibleLineEdit : public QAccessibleWidget,
                           public QAccessibleTextInterface,
                           public QAccessibleEditableTextInterface {
public:
    explicit AccessibleLineEdit(QLineEdit* edit);

    void* interface_cast(QAccessible::InterfaceType t) override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString& text) override;
    QAccessible::State state() const override;

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString& text) override;
    void replaceText(int startOffset, int endOffset, const QString& text) override;

private:
    QLineEdit* edit() const;
    // What the box shows: its text, or the echo characters of a password box.
    QString shownText() const;
};

// What a reader is given of a text framed for the eye by lines made only of hyphens and
// blanks (three hyphens at least): the text without those lines, which a reader would
// count out ("61 dash characters"), and the way between its offsets and the text's.
struct ReaderText {
    QString text;
    QList<QPair<int, int>> removed; // (offset in the full text, length), in order

    // An offset inside a removed line goes to the start of the line after it.
    int toReader(int offset) const;
    int toFull(int offset) const;
};
ReaderText readerText(const QString& full);

// A read-only text given to a reader as readerText() makes it: caret, selection and
// characters stay where they are seen.
class AccessibleFramedText : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit AccessibleFramedText(QPlainTextEdit* edit);

    void* interface_cast(QAccessible::InterfaceType t) override;
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

private:
    QPlainTextEdit* edit() const;
    const ReaderText& shown() const;

    mutable ReaderText m_shown;
    mutable int m_revision = -1;
};
