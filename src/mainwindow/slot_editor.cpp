#include "mainwindow/slot_editor.h"

#include "core/cp1252.h"
#include "core/startup_notices.h"
#include "platform/platform.h"
#include "widgets/keys.h"
#include "widgets/list_width.h"
#include "widgets/texts.h"

#include <QKeyEvent>

void keepToCodePage(QLineEdit* box)
{
    QObject::connect(box, &QLineEdit::textEdited, box, [box](const QString& text) {
        const std::string utf8 = text.toStdString();
        if (cp1252::representable(utf8))
            return;
        // A character of two UTF-16 units becomes one "?": the caret moves with it.
        const int cursor = box->cursorPosition();
        const QString fitted = QString::fromStdString(cp1252::decode(cp1252::encode(utf8)));
        const int fittedCursor = int(
            QString::fromStdString(cp1252::decode(cp1252::encode(text.left(cursor).toStdString())))
                .size());
        box->setText(fitted);
        box->setCursorPosition(fittedCursor);
    });
}

SlotEditor::SlotEditor(Ui::MainWindow& ui, Platform& platform, QWidget* window)
    : QObject(window), ui(ui), m_platform(platform), m_window(window)
{
    for (int slot = 1; slot <= 10; ++slot) {
        const SlotControls& s = ui.rows[slot - 1];
        // The program setting the index picks too, as the start-up fill of the types does.
        connect(s.type, &QComboBox::currentIndexChanged, this,
                [this, slot](int index) { pickType(slot, index); });
        // Choosing the entry that is already current changes no index, and still picks.
        connect(s.type, &QComboBox::activated, this,
                [this, slot](int index) { pickType(slot, index); });
        // Only a choice from the list picks. Qt would also match the typed text to an entry
        // when editing ends (Enter, Tab, leaving the field) and pick it: the slot's text lost.
        disconnect(s.type->lineEdit(), &QLineEdit::returnPressed, s.type, nullptr);
        disconnect(s.type->lineEdit(), &QLineEdit::editingFinished, s.type, nullptr);
        s.type->installEventFilter(this);
        s.text->installEventFilter(this);
        s.days->installEventFilter(this);
        connect(s.days, &QLineEdit::textChanged, this, [this, slot] { repairDays(slot); });
        connect(s.clear, &QPushButton::clicked, this, [this, slot] { clearSlot(slot); });
        keepToCodePage(s.text);
        keepToCodePage(s.date);
        fitListWidthToEntries(s.type);
    }
}

bool SlotEditor::eventFilter(QObject* watched, QEvent* event)
{
    // The wheel over a closed type box would pick a type and wipe the slot's text unasked.
    if (event->type() == QEvent::Wheel)
        return ui.slotOf(watched, &SlotControls::type) != 0;
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (!producesCharacter(key))
        return false;
    if (const int slot = ui.slotOf(watched, &SlotControls::text)) {
        watchTextLength(slot);
        return false;
    }
    if (ui.slotOf(watched, &SlotControls::days))
        return refusedByDaysFilter(key->text());
    return false;
}

void SlotEditor::pickType(int slot, int index)
{
    const SlotControls& s = ui.rows[slot - 1];
    if (index < 0)
        return;
    // The box's own limit cuts a long type, " > " included.
    s.text->setText(s.type->itemText(index) + QStringLiteral(" > "));
}

void SlotEditor::watchTextLength(int slot)
{
    const int length = int(ui.rows[slot - 1].text->text().size());
    ui.Label9->setText(QString::number(length + 1));
    if (length == ui.rows[slot - 1].text->maxLength()) {
        m_platform.beep();
        m_platform.message(m_window, kLengthLimitMessage);
    }
}

bool SlotEditor::refusedByDaysFilter(const QString& keyText) const
{
    for (const QChar c : keyText) {
        if (!(c >= u'0' && c <= u'9') && c != u'\b')
            return true;
    }
    return false;
}

void SlotEditor::repairDays(int slot)
{
    QLineEdit* days = ui.rows[slot - 1].days;
    if (!isNumberText(days->text().toStdString()))
        days->setText("1");
}

void SlotEditor::clearSlot(int slot)
{
    if (!m_platform.askYesNo(m_window, QStringLiteral("Cancellare questa scadenza ?")))
        return;
    // Colours stay: the evaluation or the highlight gave them and sets them again itself.
    const SlotControls& s = ui.rows[slot - 1];
    s.date->clear();
    s.text->clear();
    s.days->setText("1");
    // No entry chosen: the first Down picks the first type.
    s.type->setCurrentIndex(-1);
}
