#include "widgets/graphic_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

GraphicButton::GraphicButton(QWidget* parent) : QPushButton(parent)
{
}

void GraphicButton::paintEvent(QPaintEvent* event)
{
    const QRect room = rect().adjusted(4, 2, -4, -2);
    if (text().isEmpty() || !icon().isNull() ||
        fontMetrics().horizontalAdvance(text()) <= room.width()) {
        QPushButton::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(room, Qt::AlignCenter | Qt::TextWordWrap, text());
}
