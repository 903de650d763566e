#include "mainwindow/calendar_panel.h"

#include "core/short_date.h"
#include "mainwindow/slot_editor.h"
#include "platform/platform.h"
#include "widgets/core_values.h"
#include "widgets/keys.h"
#include "widgets/look.h"

#include <QAbstractItemView>
#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QStyle>
#include <QTimer>

namespace {

const QString kFormatMessage = QStringLiteral("Inserire la data in questo formato es. 11/06/04");
const QString kTextPresentMessage =
    QStringLiteral("Attenzione! Nella casella Scadenze: è presente del testo!\r\n"
                   "Accertarsi del contenuto e\r\n"
                   "nel caso eliminarlo con con l'apposito pulsante X");
const QString kHelpMessage = QStringLiteral("Scegliere la data dal calendario,\r\n"
                                            "poi fare clic in una casella Data:.\r\n"
                                            "Oppure inserire manualmente la Data\r\n"
                                            "MA,esclusivamente nel formato breve,ad es. 02/08/04");
const QString kExpiredLegend = QStringLiteral("Questo colore indica:\r\nSCADENZA SCADUTA!");
const QString kDueSoonLegend = QStringLiteral("Questo colore indica:\r\nSCADENZA TRA' BREVE!");

// Digits and Backspace stay; every other character becomes "/".
QString dateCharacters(QString text)
{
    for (QChar& c : text) {
        if (!(c >= u'0' && c <= u'9') && c != u'\b')
            c = u'/';
    }
    return text;
}

} // namespace

CalendarPanel::CalendarPanel(Ui::MainWindow& ui, Platform& platform, QWidget* window)
    : QObject(window), ui(ui), m_platform(platform), m_window(window)
{
    // The window's dark palette would paint the days black on black.
    useStylePalette(ui.Calendar1);
    for (const SlotControls& s : ui.rows)
        s.date->installEventFilter(this);
    ui.Text2->installEventFilter(this);
    ui.Text3->installEventFilter(this);
    m_calendarView = ui.Calendar1->findChild<QAbstractItemView*>();
    if (m_calendarView)
        m_calendarView->installEventFilter(this);
    connect(ui.cmdCal, &QPushButton::clicked, this, &CalendarPanel::openPanel);
    connect(ui.cmdchiud, &QPushButton::clicked, this, &CalendarPanel::closePanel);
    connect(ui.cmdAdesso, &QPushButton::clicked, this, &CalendarPanel::selectToday);
    connect(ui.cmdInfoC, &QPushButton::clicked, this, &CalendarPanel::showHelp);
}

bool CalendarPanel::isShown() const
{
    return !ui.Calendar1->isHidden();
}

bool CalendarPanel::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            m_pressed = watched;
        return false;
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        // The middle button pastes the selection, through the filter as every paste.
        if (mouse->button() == Qt::MiddleButton && ui.slotOf(watched, &SlotControls::date) &&
            QGuiApplication::clipboard()->supportsSelection()) {
            auto* box = static_cast<QLineEdit*>(watched);
            if (box->rect().contains(mouse->position().toPoint()))
                pasteInto(box, QClipboard::Selection);
            return true;
        }
        const bool click =
            mouse->button() == Qt::LeftButton && m_pressed == watched &&
            static_cast<QWidget*>(watched)->rect().contains(mouse->position().toPoint());
        m_pressed = nullptr;
        if (!click)
            return false;
        if (watched == ui.Text2)
            m_platform.message(m_window, kExpiredLegend);
        else if (watched == ui.Text3)
            m_platform.message(m_window, kDueSoonLegend);
        else if (const int slot = ui.slotOf(watched, &SlotControls::date))
            copyCalendarDay(slot);
        return false;
    }
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (watched == m_calendarView &&
            (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            enterCalendarDay();
            return true;
        }
        if (ui.slotOf(watched, &SlotControls::date))
            return filterDateKey(static_cast<QLineEdit*>(watched), key);
        return false;
    }
    case QEvent::ContextMenu:
        if (ui.slotOf(watched, &SlotControls::date)) {
            showDateMenu(static_cast<QLineEdit*>(watched),
                         static_cast<QContextMenuEvent*>(event)->globalPos());
            return true;
        }
        return false;
    case QEvent::Drop:
        if (ui.slotOf(watched, &SlotControls::date))
            return dropFiltered(static_cast<QLineEdit*>(watched), static_cast<QDropEvent*>(event));
        return false;
    case QEvent::FocusIn:
        if (const int slot = ui.slotOf(watched, &SlotControls::date))
            m_lastDateSlot = slot;
        return false;
    case QEvent::FocusOut:
        if (ui.slotOf(watched, &SlotControls::date))
            checkDateLength(static_cast<QLineEdit*>(watched),
                            static_cast<QFocusEvent*>(event)->reason());
        return false;
    default:
        return false;
    }
}

bool CalendarPanel::filterDateKey(QLineEdit* box, const QKeyEvent* key)
{
    if (key->matches(QKeySequence::Paste)) {
        pasteInto(box, QClipboard::Clipboard);
        return true;
    }
    // F4 or Alt+Down, as for any drop-down calendar: the calendar button's click, and the
    // keyboard goes on in the calendar, whose Enter brings the day back here. Alt+F4 stays
    // the window's.
    if (key->keyCombination() == QKeyCombination(Qt::Key_F4) ||
        key->keyCombination() == QKeyCombination(Qt::AltModifier, Qt::Key_Down)) {
        openPanel();
        if (m_calendarView)
            m_calendarView->setFocus(Qt::OtherFocusReason);
        return true;
    }
    // Select all, copy, cut, undo: what they do in any box. AltGr is Control and Alt on
    // Windows, and the characters it types are filtered.
    if (key->modifiers().testFlag(Qt::ControlModifier) &&
        !key->modifiers().testFlag(Qt::AltModifier))
        return false;
    if (!producesCharacter(key))
        return false;
    if (dateCharacters(key->text()) == key->text())
        return false;
    insertFiltered(box, key->text());
    return true;
}

void CalendarPanel::pasteInto(QLineEdit* box, QClipboard::Mode mode)
{
    insertFiltered(box, QGuiApplication::clipboard()->text(mode));
}

void CalendarPanel::insertFiltered(QLineEdit* box, const QString& text)
{
    // insert() replaces a selection and keeps to the box's 8 characters.
    if (!box->isReadOnly())
        box->insert(dateCharacters(text));
}

void CalendarPanel::showDateMenu(QLineEdit* box, const QPoint& where)
{
    // The box's own menu, its paste going through the filter.
    QMenu* menu = box->createStandardContextMenu();
    // Its paste is known by the toolkit's own words for it, in any language.
    const QString pasteWords = QLineEdit::tr("&Paste");
    for (QAction* action : menu->actions()) {
        if (action->text().section(u'\t', 0, 0) != pasteWords)
            continue;
        action->disconnect(box);
        connect(action, &QAction::triggered, box,
                [this, box] { pasteInto(box, QClipboard::Clipboard); });
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(where);
}

bool CalendarPanel::dropFiltered(QLineEdit* box, QDropEvent* drop)
{
    const QString text = drop->mimeData()->text();
    if (text.isNull() || dateCharacters(text) == text || box->isReadOnly())
        return false;
    // At the drop's place, as the box puts what it takes as it is.
    box->setCursorPosition(box->cursorPositionAt(drop->position().toPoint()));
    insertFiltered(box, text);
    drop->acceptProposedAction();
    return true;
}

void CalendarPanel::checkDateLength(QLineEdit* box, Qt::FocusReason reason)
{
    // A message box or a menu taking the focus, or another program, is no leaving: the
    // message itself would otherwise start the next one.
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
        return;
    if (m_warning || m_returningTo)
        return;
    const QString text = box->text();
    const bool partly = !text.isEmpty() && text.size() < 8;
    // Only a typed date is judged: one read from the archive is shown as it is.
    const bool noDay = text.size() == 8 && box->isModified() && !isCalendarDay(text.toStdString());
    if (!partly && !noDay)
        return;
    m_warning = true;
    m_platform.message(m_window, kFormatMessage);
    m_warning = false;
    m_returningTo = box;
    // Queued: the focus change under way finishes first, then the box takes it back.
    QTimer::singleShot(0, this, [this] {
        if (m_returningTo)
            m_returningTo->setFocus(Qt::OtherFocusReason);
        m_returningTo = nullptr;
    });
}

void CalendarPanel::copyCalendarDay(int slot)
{
    // While a partly typed date takes the focus back, a click elsewhere is no choice.
    if (!isShown() || m_returningTo)
        return;
    const SlotControls& s = ui.rows[slot - 1];
    if (!s.text->text().isEmpty()) {
        m_platform.message(m_window, kTextPresentMessage);
        return;
    }
    s.date->setText(shortDateText(ui.Calendar1->selectedDate()));
    setPanelVisible(false);
}

void CalendarPanel::enterCalendarDay()
{
    if (m_lastDateSlot == 0)
        return;
    QLineEdit* box = ui.rows[m_lastDateSlot - 1].date;
    // The box takes the keyboard before the day: a screen reader that hears of the new text
    // first follows it to the box in silence and never announces the box.
    if (ui.rows[m_lastDateSlot - 1].text->text().isEmpty())
        box->setFocus(Qt::OtherFocusReason);
    copyCalendarDay(m_lastDateSlot);
}

void CalendarPanel::openPanel()
{
    setPanelVisible(true);
    selectToday();
}

void CalendarPanel::closePanel()
{
    setPanelVisible(false);
}

void CalendarPanel::selectToday()
{
    const QDate today = m_platform.now().date();
    ui.Calendar1->setSelectedDate(today);
    ui.Calendar1->setCurrentPage(today.year(), today.month());
}

void CalendarPanel::showHelp()
{
    // The sound runs on its own; the message does not wait for it.
    m_platform.playWave(m_platform.programFolder() + QStringLiteral("/calend.wav"));
    m_platform.message(m_window, kHelpMessage);
}

void CalendarPanel::setPanelVisible(bool visible)
{
    for (QWidget* control :
         std::initializer_list<QWidget*>{ui.Calendar1, ui.cmdInfoC, ui.cmdchiud, ui.cmdAdesso}) {
        control->setVisible(visible);
        // The buttons are drawn over the calendar, the calendar over the slot columns.
        if (visible)
            control->raise();
    }
    // What the calendar covers takes no keys while it is open: typed there, they would
    // change a slot unseen.
    for (const SlotControls& s : ui.rows) {
        s.type->setEnabled(!visible);
        s.text->setEnabled(!visible);
    }
}
