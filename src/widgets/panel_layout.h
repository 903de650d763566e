#pragma once
// The kinds of controls of the main window and the panels laid on it: green captions,
// stretched pictures, unfilled frames, and graphical buttons that take the focus.

#include "widgets/look.h"
#include "widgets/mouse_label.h"
#include "widgets/shape.h"

#include <QPushButton>

class QWidget;

namespace panel {

// The captions' green, which hover effects also return to.
inline const QColor kGreen{0, 255, 0};

MouseLabel* label(QWidget* parent, const char* name, int l, int t, int w, int h,
                  const QString& caption, const QFont& font = layoutFont("MS Serif", 8.25));
// A picture stretched over the control.
MouseLabel* picture(QWidget* parent, const char* name, int l, int t, int w, int h,
                    const QString& resource);
Shape* shape(QWidget* parent, const char* name, int l, int t, int w, int h, int border,
             const QColor& colour = QColor(128, 0, 0));
// Its picture at its own size.
QPushButton* button(QWidget* parent, const char* name, int l, int t, int w, int h,
                    const QString& caption, const QString& tip = {}, const QString& icon = {});

} // namespace panel
