#include "widgets/layout_builder.h"

#include "widgets/graphic_button.h"
#include "widgets/look.h"

#include <QGuiApplication>
#include <QScreen>

namespace layout {

MouseLabel* label(QWidget* parent, const char* name, int l, int t, int w, int h,
                  const QString& caption, const QFont& font, const QColor& colour)
{
    auto* control = make<MouseLabel>(parent, name, l, t, w, h);
    control->setText(caption);
    control->setFont(font);
    setForeColour(control, colour);
    return control;
}

Line* line(QWidget* parent, const char* name, int x1, int y1, int x2, int y2, const QColor& colour,
           int width)
{
    auto* control = new Line(parent);
    control->setObjectName(QString::fromLatin1(name));
    control->setPen(colour, width);
    control->setLine(x1, y1, x2, y2);
    return control;
}

QPushButton* graphicButton(QWidget* parent, const char* name, int l, int t, int w, int h,
                           const QString& caption)
{
    auto* control = make<GraphicButton>(parent, name, l, t, w, h);
    control->setText(caption);
    setBackColour(control, QColor(128, 0, 0));
    setForeColour(control, QColor(255, 255, 255));
    control->setCursor(customCursor(CursorKind::Hand));
    return control;
}

QPushButton* graphicButton(QWidget* parent, const char* name, int l, int t, int w, int h,
                           const QString& caption, const QFont& font)
{
    auto* control = graphicButton(parent, name, l, t, w, h, caption);
    control->setFont(font);
    return control;
}

void frameless(QWidget* window, const char* name, const QString& caption, QSize twips,
               const QColor& back)
{
    window->setObjectName(QString::fromLatin1(name));
    window->setWindowTitle(caption);
    window->setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::Tool);
    window->setFixedSize(twipsToPixels(twips.width()), twipsToPixels(twips.height()));
    setBackColour(window, back);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window->move(screen->availableGeometry().center() - window->rect().center());
}

} // namespace layout
