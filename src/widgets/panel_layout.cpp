#include "widgets/panel_layout.h"

#include "widgets/layout_builder.h"

#include <QIcon>

namespace panel {

using layout::make;

MouseLabel* label(QWidget* parent, const char* name, int l, int t, int w, int h,
                  const QString& caption, const QFont& font)
{
    return layout::label(parent, name, l, t, w, h, caption, font, kGreen);
}

MouseLabel* picture(QWidget* parent, const char* name, int l, int t, int w, int h,
                    const QString& resource)
{
    auto* control = make<MouseLabel>(parent, name, l, t, w, h);
    control->setStretchedPicture(resource);
    return control;
}

Shape* shape(QWidget* parent, const char* name, int l, int t, int w, int h, int border,
             const QColor& colour)
{
    auto* control = make<Shape>(parent, name, l, t, w, h);
    control->setBorder(colour, border);
    return control;
}

QPushButton* button(QWidget* parent, const char* name, int l, int t, int w, int h,
                    const QString& caption, const QString& tip, const QString& icon)
{
    auto* control = layout::graphicButton(parent, name, l, t, w, h, caption);
    control->setToolTip(tip);
    control->setFocusPolicy(Qt::StrongFocus);
    if (!icon.isEmpty()) {
        // As far as the button leaves room for it.
        const QPixmap picture(icon);
        control->setIcon(QIcon(picture));
        control->setIconSize(picture.size().boundedTo(control->size() - QSize(6, 6)));
    }
    return control;
}

} // namespace panel
