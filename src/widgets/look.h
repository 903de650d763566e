#pragma once
// The windows' common look: fonts, colours and mouse cursors.

#include <QColor>
#include <QCursor>
#include <QFont>
#include <QString>

class QWidget;

// Free metric-compatible fonts stand in for the Windows fonts the layouts name.
void installFontSubstitutions();

QFont layoutFont(const QString& family, qreal points, bool bold = false);

// A control's colours come from one source: the program's own look, or in high contrast the
// system's pairs. In the own look a background comes with the text that reads best on it
// (black or white); a text colour set after it replaces that one.
void setBackColour(QWidget* w, const QColor& colour);
void setForeColour(QWidget* w, const QColor& colour);
QColor backColour(const QWidget* w);
QColor foreColour(const QWidget* w);
// The style's own palette in the own look (one source, whatever the window around it).
void useStylePalette(QWidget* w);

// How a control is set apart where high contrast allows no colours of the program's own.
enum class Emphasis { None, Highlight, Frame, DashedFrame };
void setEmphasis(QWidget* w, Emphasis emphasis);

// High contrast: every control drawn with the system's colour pairs; redraws every control.
void setHighContrast(bool on);
bool highContrast();

// The contrast ratio of two colours (WCAG 2.1): 1 to 21.
double contrastRatio(const QColor& a, const QColor& b);
// Black or white, whichever reads better on the background.
QColor readableOn(const QColor& back);

// The classic tool-tip cream the boxes were drawn with, fixed: a dark or high-contrast scheme
// changes the system's tool-tip colour, and their texts would go with it.
QColor toolTipColour();

enum class CursorKind { Hand, Exit, Info };
QCursor customCursor(CursorKind kind);
