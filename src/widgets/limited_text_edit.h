#pragma once
// A multi-line text box with a maximum length, as the alarm's optional text needs;
// QPlainTextEdit has none of its own.

#include <QPlainTextEdit>

class LimitedTextEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit LimitedTextEdit(QWidget* parent = nullptr);

    void setMaxLength(int length) { m_maxLength = length; }
    int maxLength() const { return m_maxLength; }
    int length() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    // Room left for new characters once the selection is replaced.
    int room() const;
    int m_maxLength = 32767;
};
