#include "accessibility/screen_reader.h"

#include "accessibility/accessible_calendar.h"
#include "accessibility/accessible_names.h"
#include "accessibility/accessible_text.h"
#include "core/slot_table.h"
#include "widgets/mouse_label.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableView>
#include <QWidget>

namespace {

// A window by its caption even while minimized (the main window is, under the information
// window), where Qt would give its empty icon text.
class CaptionedWindow : public QAccessibleWidget {
public:
    explicit CaptionedWindow(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return widget()->windowTitle();
        return QAccessibleWidget::text(t);
    }
};

// On Linux Qt names a combo box by its text and leaves its label to a relation, which a slot's
// type box has not: two slots of one type would sound alike and say no slot. Here, as on
// Windows, its name is its own (or its label's) and its text its value; the list and the
// text field stay its parts, and it still opens by the menu action.
class NamedComboBox : public QAccessibleWidget {
public:
    explicit NamedComboBox(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? box()->currentText() : QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = box()->view()->isVisible();
        s.editable = box()->isEditable();
        return s;
    }
    int childCount() const override { return box()->lineEdit() ? 2 : 1; }
    QAccessibleInterface* child(int index) const override
    {
        QWidget* part = index == 0   ? static_cast<QWidget*>(box()->view())
                        : index == 1 ? box()->lineEdit()
                                     : nullptr;
        return part ? QAccessible::queryAccessibleInterface(part) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (child->object() == box()->view())
            return 0;
        return box()->lineEdit() && child->object() == box()->lineEdit() ? 1 : -1;
    }
    QStringList actionNames() const override
    {
        return QAccessibleWidget::actionNames() << showMenuAction();
    }
    void doAction(const QString& action) override
    {
        if (action != showMenuAction())
            QAccessibleWidget::doAction(action);
        else if (box()->view()->isVisible())
            box()->hidePopup();
        else
            box()->showPopup();
    }

private:
    QComboBox* box() const { return static_cast<QComboBox*>(widget()); }
};

// A label that takes the focus and answers Enter as a click: a button, which a reader says
// can be pressed, and presses.
class ClickableLabel : public QAccessibleWidget {
public:
    explicit ClickableLabel(MouseLabel* label) : QAccessibleWidget(label, QAccessible::Button) {}
    QStringList actionNames() const override
    {
        return QAccessibleWidget::actionNames() << pressAction();
    }
    void doAction(const QString& action) override
    {
        if (action == pressAction())
            emit static_cast<MouseLabel*>(widget())->clicked();
        else
            QAccessibleWidget::doAction(action);
    }
};

// Qt exposes a plain top-level widget as a client area ("filler") and a label as static
// text: the main window and the information window become windows, a label that takes the
// focus and answers Enter a button.
QAccessibleInterface* roleFactory(const QString& className, QObject* object)
{
    if (!object || !object->isWidgetType() ||
        className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (widget->isWindow() && object->metaObject()->superClass() == &QWidget::staticMetaObject)
        return new CaptionedWindow(widget);
    if (className == QLatin1String("MouseLabel") && widget->focusPolicy() != Qt::NoFocus)
        return new ClickableLabel(static_cast<MouseLabel*>(widget));
    if (className == QLatin1String("QComboBox"))
        return new NamedComboBox(static_cast<QComboBox*>(widget));
    if (className == QLatin1String("QLineEdit"))
        return new AccessibleLineEdit(static_cast<QLineEdit*>(widget));
    // The information text is the program's only plain QPlainTextEdit, and read-only.
    if (className == QLatin1String("QPlainTextEdit"))
        return new AccessibleFramedText(static_cast<QPlainTextEdit*>(widget));
    if (className == QLatin1String("QCalendarView"))
        return new AccessibleCalendarGrid(static_cast<QTableView*>(widget));
    return nullptr;
}

void setName(QWidget* window, const char* control, const std::string& name)
{
    QWidget* widget = window->objectName() == QLatin1String(control)
                          ? window
                          : window->findChild<QWidget*>(QLatin1String(control));
    if (widget)
        widget->setAccessibleName(QString::fromStdString(name));
}

} // namespace

void installScreenReaderSupport()
{
    QAccessible::installFactory(roleFactory);
}

void nameControls(QWidget* window)
{
    installScreenReaderSupport();
    // A reader that is already listening has Qt make a control's interface as soon as the
    // control changes, before the layout has made a label clickable: dropped, the next
    // question makes the button.
    for (MouseLabel* label : window->findChildren<MouseLabel*>()) {
        if (label->focusPolicy() == Qt::NoFocus)
            continue;
        QAccessibleInterface* made = QAccessible::queryAccessibleInterface(label);
        if (made && made->role() != QAccessible::Button)
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    }
    if (auto* grid = window->findChild<QTableView*>(QStringLiteral("qt_calendar_calendarview")))
        announceCurrentDayOnFocus(grid);
    if (window->objectName() == QLatin1String("frmTelefono")) {
        for (const SlotBinding& b : kSlots) {
            setName(window, b.dateBox, slotControlName(SlotColumn::Date, b.slot));
            setName(window, b.typeCombo, slotControlName(SlotColumn::Type, b.slot));
            setName(window, b.textBox, slotControlName(SlotColumn::Text, b.slot));
            setName(window, b.daysBox, slotControlName(SlotColumn::Days, b.slot));
            setName(window, b.clearButton, slotControlName(SlotColumn::Clear, b.slot));
        }
    }
    for (const ControlName& entry : kControlNames) {
        if (window->objectName() == QLatin1String(entry.window))
            setName(window, entry.control, entry.name);
    }
}

void describeSlotState(QLineEdit* dateBox, Rgb colour)
{
    const char* words = slotStateWords(colour);
    // The tooltip stays the rest of the description, as it is when no colour is set.
    dateBox->setAccessibleDescription(
        words ? QString::fromUtf8(words) + QStringLiteral(". ") + dateBox->toolTip() : QString());
}

void clearSlotState(QLineEdit* dateBox)
{
    dateBox->setAccessibleDescription(QString());
}
