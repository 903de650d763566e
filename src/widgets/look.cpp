#include "widgets/look.h"

#include <algorithm>
#include <cmath>

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QStyle>
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

bool g_highContrast = false;
// What the program's own look gives a control, kept so that a change of scheme can redraw it.
const char* const kBack = "t10Back";
const char* const kFore = "t10Fore";
const char* const kEmphasis = "t10Emphasis";
const char* const kStylePalette = "t10StylePalette";

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

QPalette::ColorRole foreRole(const QWidget* w)
{
    switch (backRole(w)) {
    case QPalette::Base:
        return QPalette::Text;
    case QPalette::Button:
        return QPalette::ButtonText;
    default:
        return QPalette::WindowText;
    }
}

double luminance(const QColor& c)
{
    auto linear = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

void applyOwnLook(QWidget* w)
{
    if (w->property(kStylePalette).toBool()) {
        w->setPalette(w->style()->standardPalette());
        return;
    }
    const QColor back = w->property(kBack).value<QColor>();
    const QColor fore = w->property(kFore).value<QColor>();
    // From nothing set: what is not the control's own comes from the window around it.
    QPalette p;
    if (back.isValid())
        p.setColor(backRole(w), back);
    // Only the text drawn on that background: a window's pair must not reach the boxes in it.
    if (fore.isValid())
        p.setColor(foreRole(w), fore);
    w->setPalette(p);
    // Labels and frames only paint a background of their own when asked.
    w->setAutoFillBackground(back.isValid() && backRole(w) == QPalette::Window);
    if (!w->styleSheet().isEmpty())
        w->setStyleSheet(QString());
}

// The system's pairs only: every control takes the application's palette, which follows the
// system's colours, and a label paints its own background so that no picture lies under its
// text. The states stay visible by the means high contrast allows.
void applyHighContrast(QWidget* w)
{
    const auto emphasis = Emphasis(w->property(kEmphasis).toInt());
    QPalette p;
    if (emphasis == Emphasis::Highlight) {
        const QPalette system = QApplication::palette();
        p.setColor(backRole(w), system.color(QPalette::Highlight));
        p.setColor(QPalette::Text, system.color(QPalette::HighlightedText));
    }
    w->setPalette(p);
    w->setAutoFillBackground(qobject_cast<QLabel*>(w) != nullptr || w->isWindow());
    const char* frame = emphasis == Emphasis::Frame         ? "solid"
                        : emphasis == Emphasis::DashedFrame ? "dashed"
                                                            : nullptr;
    w->setStyleSheet(frame
                         ? QStringLiteral("border: 3px %1 palette(text);").arg(QLatin1String(frame))
                         : QString());
}

void apply(QWidget* w)
{
    if (g_highContrast)
        applyHighContrast(w);
    else
        applyOwnLook(w);
}

} // namespace

void setBackColour(QWidget* w, const QColor& colour)
{
    w->setProperty(kBack, colour);
    w->setProperty(kFore, readableOn(colour));
    apply(w);
}

void setForeColour(QWidget* w, const QColor& colour)
{
    w->setProperty(kFore, colour);
    apply(w);
}

void setEmphasis(QWidget* w, Emphasis emphasis)
{
    w->setProperty(kEmphasis, int(emphasis));
    apply(w);
}

void useStylePalette(QWidget* w)
{
    w->setProperty(kStylePalette, true);
    apply(w);
}

QColor backColour(const QWidget* w)
{
    return w->palette().color(backRole(w));
}

QColor foreColour(const QWidget* w)
{
    return w->palette().color(foreRole(w));
}

double contrastRatio(const QColor& a, const QColor& b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableOn(const QColor& back)
{
    const QColor black(0, 0, 0), white(255, 255, 255);
    return contrastRatio(back, black) >= contrastRatio(back, white) ? black : white;
}

QColor toolTipColour()
{
    return {255, 255, 225};
}

void setHighContrast(bool on)
{
    if (on == g_highContrast)
        return;
    g_highContrast = on;
    // The controls the program coloured; the others follow the windows they lie in.
    for (QWidget* w : QApplication::allWidgets()) {
        if (w->property(kBack).isValid() || w->property(kFore).isValid() ||
            w->property(kEmphasis).isValid() || w->property(kStylePalette).isValid())
            apply(w);
    }
}

bool highContrast()
{
    return g_highContrast;
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
