#include "windows/screen_reader.h"

#include "core/accessible_names.h"
#include "core/slot_table.h"

#include <QAccessibleWidget>
#include <QLineEdit>
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
        return new QAccessibleWidget(widget, QAccessible::Button);
    return nullptr;
}

void setName(QWidget* window, const char* control, const std::string& name)
{
    if (auto* widget = window->findChild<QWidget*>(QLatin1String(control)))
        widget->setAccessibleName(QString::fromStdString(name));
}

} // namespace

void nameControls(QWidget* window)
{
    static const bool installed = [] {
        QAccessible::installFactory(roleFactory);
        return true;
    }();
    Q_UNUSED(installed);
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
