#pragma once
// Building blocks of the window layouts: a named control at a position in twips.

#include "widgets/line.h"
#include "widgets/mouse_label.h"
#include "widgets/twips.h"

#include <QPushButton>

namespace layout {

template <class T> T* make(QWidget* parent, const char* name, int l, int t, int w, int h)
{
    auto* control = new T(parent);
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(twipsRect(l, t, w, h));
    return control;
}

MouseLabel* label(QWidget* parent, const char* name, int l, int t, int w, int h,
                  const QString& caption, const QFont& font, const QColor& colour);
Line* line(QWidget* parent, const char* name, int x1, int y1, int x2, int y2, const QColor& colour,
           int width);
// The graphical button style: dark red, light caption, a cursor of its own.
QPushButton* graphicButton(QWidget* parent, const char* name, int l, int t, int w, int h,
                           const QString& caption);
QPushButton* graphicButton(QWidget* parent, const char* name, int l, int t, int w, int h,
                           const QString& caption, const QFont& font);
// A frameless window of the given client area in twips, centred on the screen, not in the
// task bar.
void frameless(QWidget* window, const char* name, const QString& caption, QSize twips,
               const QColor& back);

} // namespace layout
