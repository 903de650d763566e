#pragma once
// A window as a screen reader finds it: its focusable controls and their names, read through
// Qt's own accessibility interface. Header only, so that Pontilo's tests use it too.

#include <functional>
#include <QAccessible>
#include <QMap>
#include <QStringList>
#include <QWidget>

struct AccessibleControl {
    QWidget* widget;
    QString name;
};

// Every control of the window that takes the focus itself (one that hands it on to a proxy is
// the proxy's part, a combo's drop-down list belongs to its popup); cells and items of views
// are the views' business and not walked.
inline QList<AccessibleControl> focusableControls(QWidget* window)
{
    QList<AccessibleControl> found;
    std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* parent) {
        for (int i = 0; i < parent->childCount(); ++i) {
            QAccessibleInterface* child = parent->child(i);
            if (!child || !child->object() || !child->object()->isWidgetType())
                continue;
            auto* widget = static_cast<QWidget*>(child->object());
            if (widget->isWindow())
                continue;
            if (child->state().focusable && !widget->focusProxy() && widget->window() == window)
                found.append({widget, child->text(QAccessible::Name).trimmed()});
            walk(child);
        }
    };
    if (QAccessibleInterface* top = QAccessible::queryAccessibleInterface(window))
        walk(top);
    return found;
}

// What is wrong with the window for a screen reader: focusable controls with no name, names
// said twice. Empty when nothing is.
inline QStringList accessibilityFaults(QWidget* window)
{
    QStringList faults;
    QMap<QString, QString> owner;
    for (const AccessibleControl& c : focusableControls(window)) {
        const QString id = c.widget->objectName().isEmpty()
                               ? QString::fromLatin1(c.widget->metaObject()->className())
                               : c.widget->objectName();
        if (c.name.isEmpty())
            faults << QStringLiteral("%1: no name").arg(id);
        else if (owner.contains(c.name))
            faults << QStringLiteral("%1 and %2: both \"%3\"").arg(owner[c.name], id, c.name);
        else
            owner.insert(c.name, id);
    }
    return faults;
}
