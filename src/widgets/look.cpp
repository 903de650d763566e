#include "widgets/look.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QWidget>

void installFontSubstitutions()
{
    QFont::insertSubstitution("Times New Roman", "Liberation Serif");
    QFont::insertSubstitution("MS Serif", "Liberation Serif");
    QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
    QFont::insertSubstitution("Comic Sans MS", "Comic Neue");
    QFont::insertSubstitutions("Book Antiqua", {"URW Palladio L", "P052", "Liberation Serif"});
}

QFont layoutFont(const QString& family, qreal points, bool bold)
{
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

namespace {

// Boxes paint their background with Base, buttons with Button, everything else with Window.
// Only that one role is set, so that a window's colour does not reach the boxes inside it.
QPalette::ColorRole backRole(const QWidget* w)
{
    if (qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
        qobject_cast<const QAbstractScrollArea*>(w))
        return QPalette::Base;
    if (qobject_cast<const QAbstractButton*>(w))
        return QPalette::Button;
    return QPalette::Window;
}

} // namespace

void setBackColour(QWidget* w, const QColor& colour)
{
    const QPalette::ColorRole role = backRole(w);
    QPalette p = w->palette();
    p.setColor(role, colour);
    w->setPalette(p);
    // Labels and frames only paint a background of their own when asked.
    if (role == QPalette::Window)
        w->setAutoFillBackground(true);
}

void setForeColour(QWidget* w, const QColor& colour)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Text, colour);
    p.setColor(QPalette::WindowText, colour);
    p.setColor(QPalette::ButtonText, colour);
    w->setPalette(p);
}

QColor backColour(const QWidget* w)
{
    return w->palette().color(backRole(w));
}

QColor foreColour(const QWidget* w)
{
    if (qobject_cast<const QLabel*>(w))
        return w->palette().color(QPalette::WindowText);
    return w->palette().color(QPalette::Text);
}

QColor toolTipColour()
{
    return QApplication::palette().color(QPalette::ToolTipBase);
}

QCursor customCursor(CursorKind kind)
{
    struct Shape {
        const char* file;
        int hotX, hotY;
    };
    const Shape shape = kind == CursorKind::Exit   ? Shape{":/cursor_exit.png", 2, 2}
                        : kind == CursorKind::Info ? Shape{":/cursor_info.png", 2, 2}
                                                   : Shape{":/cursor_hand.png", 10, 1};
    const QPixmap picture(QString::fromLatin1(shape.file));
    if (picture.isNull())
        return QCursor(Qt::PointingHandCursor);
    return QCursor(picture, shape.hotX, shape.hotY);
}
